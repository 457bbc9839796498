// What an uninstallation did with each thing it was to remove, and what the
// user is told at the end; the exit code follows from it.
#pragma once
#include <string>
#include <vector>

enum class RemovalOutcome {
    Removed,
    Kept,       // on purpose: a shared file still used, or one the user kept
    Scheduled,  // in use: deleted at the next restart
    Failed,     // could not be removed and is still there
};

enum class UninstallExit {
    Removed = 0,
    Cancelled = 1,
    RefusedOrFailed = 2,
    RestartNeeded = 3010,
};

class RemovalReport {
public:
    void Note(RemovalOutcome outcome, const std::string& path, const std::string& reason = std::string());
    // Nothing failed: the log and the uninstaller may go.
    bool Complete() const { return failed_.empty(); }
    UninstallExit Exit() const;
    // The final message: the result, then what was kept, scheduled or not
    // removed, each item on its line (at most MaxListed of each kind).
    std::string FinalText(const std::string& appName) const;

    static constexpr size_t MaxListed = 15;

private:
    std::vector<std::string> kept_;
    std::vector<std::string> scheduled_;
    std::vector<std::string> failed_;
};

extern const char RestartText[];
