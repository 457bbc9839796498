#include "windows/ProgramFilesDir_win.h"

#include <windows.h>

#include "windows/Handles_win.h"
#include "windows/Unattended_win.h"

namespace {
void ShowRegistryError(LONG error) {
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(error),
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof(text), nullptr);
    TellUser(text, "Registry error");
}
}

bool ReadProgramFilesDir(std::string& path) {
    path.clear();
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return true;
    RegKey key(opened);
    // A value that does not fit the platform's path limit counts as unreadable.
    char buffer[MAX_PATH] = "";
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    const LONG error = RegQueryValueExA(key.get(), "ProgramFilesDir", nullptr, &type,
                                        reinterpret_cast<BYTE*>(buffer), &size);
    if (error != ERROR_SUCCESS) {
        ShowRegistryError(error);
        return false;
    }
    path.assign(buffer, strnlen(buffer, size < sizeof(buffer) ? size : sizeof(buffer)));
    return true;
}
