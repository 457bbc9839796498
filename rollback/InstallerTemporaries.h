// The version-aware installer copies each file into a temporary file of its
// own naming beside the destination ("ver" and up to four hex digits, then
// ".tmp") before it deletes and renames. A kill during the copy leaves that
// file where only the installer knew its name; the journal keeps the folder
// and the moment, and recovery removes the ones this run left.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool IsInstallerTemporaryName(const std::string& name);

// The run's leftovers among the temporary files now in the folder: not
// there before (earlier, listed the names then) and made no earlier than the
// moment before the call (100 ns units; a file system that keeps coarser
// times may round a creation down by up to two seconds).
struct FoundTemporary {
    std::string Name;
    uint64_t CreationTime = 0;
};
std::vector<std::string> RunsTemporaries(const std::vector<FoundTemporary>& now, const std::vector<std::string>& earlier,
                                         uint64_t journaledAt);

// The names kept in a record, and back.
std::string JoinNames(const std::vector<std::string>& names);
std::vector<std::string> SplitNames(const std::string& joined);
