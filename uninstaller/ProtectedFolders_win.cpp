#include "uninstaller/ProtectedFolders_win.h"

#include <windows.h>
#include <shlobj.h>

#include "windows/ProgramFilesDir_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/SystemPaths_win.h"

namespace {
const int kShellFolders[] = {CSIDL_PROGRAMS,         CSIDL_STARTMENU,        CSIDL_DESKTOPDIRECTORY,
                             CSIDL_COMMON_PROGRAMS,  CSIDL_COMMON_STARTMENU, CSIDL_COMMON_DESKTOPDIRECTORY};
}

std::vector<std::string> ProtectedFolders() {
    std::vector<std::string> folders = {WindowsDirectory(), SystemDirectory(), TempDirectory()};
    std::string programFiles;
    if (ReadProgramFilesDir(programFiles))
        folders.push_back(programFiles);
    for (const int folder : kShellFolders)
        folders.push_back(SpecialFolderPath(nullptr, folder));
    const size_t longForms = folders.size();
    for (size_t i = 0; i < longForms; ++i)
        folders.push_back(ShortPathOf(folders[i]));
    return folders;
}
