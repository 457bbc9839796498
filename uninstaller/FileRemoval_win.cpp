#include "uninstaller/FileRemoval_win.h"

#include <windows.h>

#include "text/IniEdit.h"
#include "windows/Platform_win.h"
#include "windows/SystemPaths_win.h"

namespace {
bool IsInUse(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_USER_MAPPED_FILE;
}

bool ScheduleInWininit(const std::string& path, std::string& reason) {
    std::string shortPath = ShortPathOf(path);
    if (shortPath.empty())
        shortPath = path;
    switch (AddIniEntryInFile(WininitIniPath(), "rename", "NUL", shortPath)) {
    case IniUpdateResult::Written:
        return true;
    case IniUpdateResult::Unreadable:
        reason = WininitIniPath() + " cannot be read";
        return false;
    case IniUpdateResult::WriteFailed:
        reason = WininitIniPath() + " cannot be written";
        return false;
    }
    return false;
}
}

bool ScheduleDeletionAtRestart(const std::string& path, std::string& reason) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool isDirectory = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    switch (PlatformId()) {
    case VER_PLATFORM_WIN32_NT:
        if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
            return true;
        reason = SystemErrorText(GetLastError());
        return false;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (!isDirectory)
            return ScheduleInWininit(path, reason);
        reason = "Wininit.exe does not remove directories";
        return false;
    default:
        reason = "Unsupported operating system";
        return false;
    }
}

RemovalOutcome RemoveInstalledFile(const std::string& path, std::string& reason) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return RemovalOutcome::Removed;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (DeleteFileA(path.c_str()))
        return RemovalOutcome::Removed;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return RemovalOutcome::Removed;
    if (!IsInUse(error)) {
        reason = SystemErrorText(error);
        return RemovalOutcome::Failed;
    }
    if (ScheduleDeletionAtRestart(path, reason)) {
        reason = "in use";
        return RemovalOutcome::Scheduled;
    }
    reason = "in use, and it cannot be deleted at restart: " + reason;
    return RemovalOutcome::Failed;
}
