#include "uninstaller/UninstallRun_win.h"

#include <windows.h>

#include "install/PathText.h"
#include "uninstall/RemovalPlan.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallLogReader.h"
#include "uninstaller/FileRemoval_win.h"
#include "uninstaller/LockedLog_win.h"
#include "uninstaller/ProgressWindow_win.h"
#include "uninstaller/ProtectedFolders_win.h"
#include "uninstaller/RegistryRemoval_win.h"
#include "uninstaller/SharedFileRemoval_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

const char kCaptionPrefix[] = "Uninstall ";
const char kGenericCaption[] = "Uninstall";

void Tell(const std::string& text, const std::string& caption, UINT icon) {
    AskUser(nullptr, text, caption, MB_OK | icon | MB_SETFOREGROUND, IDOK);
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Two names of one existing file: the log holds short forms.
bool SameFile(const std::string& a, const std::string& b) {
    if (SamePath(a, b))
        return true;
    const std::string shortA = ShortPathOf(a);
    return !shortA.empty() && SamePath(shortA, ShortPathOf(b));
}

// Opens and reads the log; tells the user and returns false when it cannot.
bool ReadLog(LockedLog& log, const std::string& path, std::string& bytes) {
    switch (log.Open(path)) {
    case LogOpenResult::Opened:
        break;
    case LogOpenResult::Missing:
        Tell("The uninstall log " + path + " was not found, so nothing can be removed.", kGenericCaption, MB_ICONERROR);
        return false;
    case LogOpenResult::Busy:
        Tell("Another uninstallation is already removing this application (" + path + " is in use). This one stops.",
             kGenericCaption, MB_ICONERROR);
        return false;
    case LogOpenResult::Failed:
        Tell("The uninstall log " + path + " cannot be opened: " + SystemErrorText(log.OpenError()), kGenericCaption,
             MB_ICONERROR);
        return false;
    }
    if (log.ReadAll(bytes))
        return true;
    Tell("The uninstall log " + path + " cannot be read: " + SystemErrorText(GetLastError()), kGenericCaption,
         MB_ICONERROR);
    return false;
}

std::string RefusedRecordsText(const std::string& logPath, const RemovalPlan& plan) {
    std::string text = "The uninstall log " + logPath +
                       " names things that an uninstallation must not remove, so it cannot be trusted and nothing "
                       "has been removed:\n";
    for (size_t i = 0; i < plan.Refused.size() && i < RemovalReport::MaxListed; ++i) {
        const RefusedRecord& refused = plan.Refused[i];
        text += "\nline " + std::to_string(refused.Line) + ": " + refused.Path + ": " +
                DescribePathProblem(refused.Problem);
    }
    if (plan.Refused.size() > RemovalReport::MaxListed)
        text += "\n... and " + std::to_string(plan.Refused.size() - RemovalReport::MaxListed) + " more";
    return text;
}

class Removal {
public:
    Removal(const ParsedLog& log, const RemovalPlan& plan, const LockedLog& file, const std::string& programPath,
            const std::string& logPath, const std::string& caption)
        : log_(log), plan_(plan), file_(file), programPath_(programPath), logPath_(logPath), progress_(caption) {}

    RemovalReport Run() {
        std::vector<std::string> paths;
        std::vector<std::string> scheduled;
        size_t done = 0;
        // The records still to do or that failed: what the log keeps.
        std::vector<bool> left(log_.Records.size(), true);
        for (const size_t index : plan_.Order) {
            const LogRecord& record = log_.Records[index];
            progress_.Show(done++, plan_.Order.size(), record.Path);
            paths.push_back(record.Path);
            // The running program cannot delete itself, nor the log it holds
            // open; the self-removal does both.
            if (SameFile(record.Path, programPath_) || SameFile(record.Path, logPath_))
                continue;
            if (record.Kind == RecordKind::Shared) {
                // A count lowered leaves the log at once, so that a second
                // run never lowers it again.
                if (ReleaseSharedFile(record, report_)) {
                    left[index] = false;
                    file_.Rewrite(ComposeRemainingLog(log_, left));
                }
                continue;
            }
            std::string reason;
            const RemovalOutcome outcome = RemoveInstalledFile(record.Path, reason);
            report_.Note(outcome, record.Path, reason);
            left[index] = outcome == RemovalOutcome::Failed;
            if (outcome == RemovalOutcome::Scheduled)
                scheduled.push_back(record.Path);
        }
        RemoveEmptyDirectories(paths, scheduled);
        std::string reason;
        if (!RemoveUninstallEntry(log_.KeyNames, reason))
            report_.Note(RemovalOutcome::Failed, "HKEY_LOCAL_MACHINE\\" + UninstallKeyPath(AppNameOfKey()), reason);
        return std::move(report_);
    }

private:
    std::string AppNameOfKey() const {
        std::string name;
        for (const std::string& part : log_.KeyNames)
            name += (name.empty() ? "" : "\\") + part;
        return name;
    }

    // Directories that still hold a file waiting for the restart are
    // scheduled after it (NT removes them then if they are empty).
    void RemoveEmptyDirectories(const std::vector<std::string>& paths, const std::vector<std::string>& scheduled) {
        const std::vector<std::string> protectedFolders = ProtectedFolders();
        for (const std::string& directory : DirectoriesToTry(paths, protectedFolders))
            RemoveDirectoryA(directory.c_str());
        for (const std::string& directory : DirectoriesToTry(scheduled, protectedFolders)) {
            std::string ignored;
            if (IsDirectory(directory))
                ScheduleDeletionAtRestart(directory, ignored);
        }
    }

    const ParsedLog& log_;
    const RemovalPlan& plan_;
    const LockedLog& file_;
    const std::string& programPath_;
    const std::string& logPath_;
    ProgressWindow progress_;
    RemovalReport report_;
};

} // namespace

UninstallResult RunUninstall(const std::string& programPath) {
    const std::string directory = SplitAtLastBackslash(programPath).Directory;
    const std::string logPath = UninstallLogPath(directory);
    LockedLog file;
    std::string bytes;
    if (!ReadLog(file, logPath, bytes))
        return {};
    const LogReadResult read = ReadUninstallLogText(bytes);
    if (!read.Log) {
        Tell("The uninstall log " + logPath + " is not as setup wrote it, so nothing has been removed.\n\n" +
                 DescribeRefusal(read),
             kGenericCaption, MB_ICONERROR);
        return {};
    }
    const ParsedLog& log = *read.Log;
    const std::string appName = log.KeyNames.back();
    const std::string caption = kCaptionPrefix + appName;
    const RemovalPlan plan = PlanRemoval(log, IsDirectory);
    if (!plan.Refused.empty()) {
        Tell(RefusedRecordsText(logPath, plan), caption, MB_ICONERROR);
        return {};
    }
    const std::string question = "Do you want to remove " + appName + " and all of its components?";
    // A silent run was asked for on purpose: that is its Yes.
    if (AskUser(nullptr, question, caption, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND, IDYES) != IDYES)
        return {UninstallExit::Cancelled, false};

    const RemovalReport report = Removal(log, plan, file, programPath, logPath, caption).Run();
    file.Close();
    Tell(report.FinalText(appName), caption, report.Complete() ? MB_ICONINFORMATION : MB_ICONWARNING);
    return {report.Exit(), report.Complete()};
}
