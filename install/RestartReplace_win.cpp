#include "install/RestartReplace_win.h"

#include <windows.h>

#include <cstdint>

#include "text/IniEdit.h"
#include "text/ShortNames.h"
#include "install/VersionInfo_win.h"
#include "rollback/RunJournal_win.h"
#include "windows/Platform_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

// Temporary names ~1 to ~9: other files whose names begin alike may be
// waiting in the temporary directory for the same restart.
constexpr int kTemporaryNameAttempts = 9;

// The first free temporary name that takes a copy of the new file; empty
// when none did. An existing copy is never overwritten: it may be another
// file's replacement waiting for the restart.
std::string CopyToFreeTemporaryName(const std::string& sourcePath, const std::string& sourceName) {
    const std::string windowsDirectory = WindowsDirectory();
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string candidate = RestartCopyPath(windowsDirectory, sourceName, attempt);
        JournalFile(candidate, FileChange::WrittenInPlace);
        if (CopyFileA(sourcePath.c_str(), candidate.c_str(), TRUE))
            return candidate;
    }
    return std::string();
}

void TellNotScheduled(const std::string& destinationPath, const std::string& reason) {
    TellUser(destinationPath + " is in use and cannot be replaced at the next restart: " + reason, "Error");
}

bool ScheduleDelayedMove(const std::string& copyPath, const std::string& destinationPath) {
    JournalRestartMove(copyPath, destinationPath);
    if (MoveFileExA(copyPath.c_str(), destinationPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT))
        return true;
    TellNotScheduled(destinationPath, "the system refused to schedule the replacement.");
    return false;
}

// Wininit.exe reads short names only; the destination exists (it is in
// use), so its real short path names it, whatever number Windows gave it.
bool ScheduleInWininit(const std::string& copyPath, const std::string& destinationPath) {
    const std::string wininit = WininitIniPath();
    const std::string target = RestartRenameTarget(destinationPath, ShortPathOf(destinationPath));
    JournalWininitEntry(wininit, target, copyPath);
    switch (UpdateIniKeyInFile(wininit, "rename", target, copyPath)) {
    case IniUpdateResult::Written:
        return true;
    case IniUpdateResult::Unreadable:
        TellNotScheduled(destinationPath, wininit + " cannot be read; it was left unchanged.");
        return false;
    case IniUpdateResult::WriteFailed:
        TellNotScheduled(destinationPath, wininit + " cannot be written.");
        return false;
    }
    return false;
}

bool ScheduleReplacement(const std::string& copyPath, const std::string& destinationPath) {
    switch (PlatformId()) {
    case VER_PLATFORM_WIN32_NT:
        return ScheduleDelayedMove(copyPath, destinationPath);
    case VER_PLATFORM_WIN32_WINDOWS:
        return ScheduleInWininit(copyPath, destinationPath);
    default:
        TellUser("Unsupported operating system", "Error");
        return false;
    }
}

}

RestartReplacement ReplaceFileAtRestart(const std::string& sourcePath, const std::string& destinationPath,
                         const std::string& sourceName) {
    const auto newFile = ReadVersionInfo(sourcePath);
    const auto fileInUse = ReadVersionInfo(destinationPath);
    if (!newFile || !fileInUse) {
        NoteFileNotInstalled(destinationPath, "in use, and without version information it is not replaced at the restart");
        return RestartReplacement::NoVersionInfo;
    }
    // Major and minor only: a new build of the same version still replaces.
    if (static_cast<int32_t>(newFile->FileVersionMS) < static_cast<int32_t>(fileInUse->FileVersionMS))
        return RestartReplacement::Handled;

    const std::string copyPath = CopyToFreeTemporaryName(sourcePath, sourceName);
    if (copyPath.empty()) {
        NoteFileNotInstalled(destinationPath, "in use, and its replacement could not be copied for the restart");
        TellUser("Failed to copy file", "Error");
        return RestartReplacement::Handled;
    }
    // A copy that nothing will move is of no use to anyone.
    if (!ScheduleReplacement(copyPath, destinationPath)) {
        NoteFileNotInstalled(destinationPath, "in use, and its replacement could not be scheduled for the restart");
        DeleteFileA(copyPath.c_str());
        return RestartReplacement::Handled;
    }
    TheRun().End.RestartNeeded = true;
    LogEvent("Replacement at restart: " + copyPath + " -> " + destinationPath);
    return RestartReplacement::Handled;
}
