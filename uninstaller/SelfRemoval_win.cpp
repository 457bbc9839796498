#include "uninstaller/SelfRemoval_win.h"

#include <windows.h>

#include <cstdlib>

#include "text/PathText.h"
#include "uninstall/RemovalPlan.h"
#include "uninstall/UninstallEntry.h"
#include "uninstaller/FileRemoval_win.h"
#include "uninstaller/ProtectedFolders_win.h"
#include "windows/Handles_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemPaths_win.h"

const char CleanupSwitch[] = "/remove-after";

namespace {

constexpr DWORD kWaitForOriginalMs = 5 * 60 * 1000;
// The system may release a program's file a moment after its process ends.
constexpr int kDeleteAttempts = 50;
constexpr DWORD kDeleteRetryMs = 100;

// A folder of our own below the temporary directory: a new random name and,
// on NT, an access list that lets no other user plant or change the copy
// that runs from it.
std::string MakeFreshFolder() {
    std::string temp = TempDirectory();
    if (!temp.empty() && temp.back() == '\\')
        temp.pop_back();
    return MakePrivateFolder(temp, "TAU-");
}

void DeleteOrSchedule(const std::string& path) {
    for (int attempt = 0; attempt < kDeleteAttempts; ++attempt) {
        if (DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return;
        Sleep(kDeleteRetryMs);
    }
    std::string ignored;
    ScheduleDeletionAtRestart(path, ignored);
}

void RemoveEmptyParents(const std::string& programPath) {
    for (const std::string& directory : DirectoriesToTry({programPath}, ProtectedFolders())) {
        if (!RemoveDirectoryA(directory.c_str()))
            break;
    }
}

std::string LogBeside(const std::string& programPath) {
    return UninstallLogPath(SplitAtLastBackslash(programPath).Directory);
}

} // namespace

bool StartSelfRemoval(const std::string& programPath) {
    const std::string folder = MakeFreshFolder();
    if (folder.empty())
        return false;
    const std::string copy = folder + "\\TAUninstall.exe";
    HANDLE self = nullptr;
    if (!CopyFileA(programPath.c_str(), copy.c_str(), TRUE) ||
        !DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE, 0)) {
        DeleteFileA(copy.c_str());
        RemoveDirectoryA(folder.c_str());
        return false;
    }
    const KernelHandle waitable(self);
    std::string command = "\"" + copy + "\" " + CleanupSwitch + " " +
                          std::to_string(reinterpret_cast<UINT_PTR>(self)) + " \"" + programPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    // Its current directory is not the installation's, which must go.
    if (!CreateProcessA(copy.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr, TempDirectory().c_str(),
                        &startup, &started)) {
        DeleteFileA(copy.c_str());
        RemoveDirectoryA(folder.c_str());
        return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

int RunSelfRemoval(const std::string& processHandle, const std::string& programPath) {
    const KernelHandle original(
        reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(std::strtoull(processHandle.c_str(), nullptr, 10))));
    if (original)
        WaitForSingleObject(original.get(), kWaitForOriginalMs);
    DeleteOrSchedule(programPath);
    DeleteOrSchedule(LogBeside(programPath));
    RemoveEmptyParents(programPath);

    // This copy and its folder go at the next restart, the file first.
    const std::string self = ProgramPath();
    std::string ignored;
    ScheduleDeletionAtRestart(self, ignored);
    ScheduleDeletionAtRestart(SplitAtLastBackslash(self).Directory, ignored);
    return 0;
}

void RemoveWithoutCopy(const std::string& programPath) {
    DeleteFileA(LogBeside(programPath).c_str());
    std::string ignored;
    ScheduleDeletionAtRestart(programPath, ignored);
    ScheduleDeletionAtRestart(SplitAtLastBackslash(programPath).Directory, ignored);
}
