#include "app/WininitCheck_win.h"

#include <windows.h>

#include <string>

#include "windows/Handles_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {
// Smaller than any Wininit.exe that shipped with 32-bit Windows.
constexpr DWORD kSmallestWininit = 40801;

constexpr char kSizeWarning[] =
    "Wininit.exe may be corrupted. Setup checked the file size of wininit.exe, and it does not match the file "
    "size of the Windows 95, Windows 98, Windows NT, Windows ME or Windows 2000 version (all 32 bit windows "
    "versions that have been released until the current build of this setup). Therefore, the EXE may be corrupt "
    "and a restart may not be possible. If you have a newer Windows version, this may be a false alarm. Do you "
    "want to continue setup (not recommended if you do not have a newer version of Windows)?";
}

bool CheckWininit() {
    const std::string path = WindowsDirectory() + "\\Wininit.exe";
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        TellUser("Wininit.exe not found! Setup can not replace DLLs that are in use!", "Error");
        return true;
    }
    if (GetFileSize(file.get(), nullptr) < kSmallestWininit &&
        AskUser(nullptr, kSizeWarning, "Warning", MB_YESNO, IDNO) == IDNO)
        return false;
    return true;
}
