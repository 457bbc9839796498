// Which Windows family runs the program (VER_PLATFORM_WIN32_NT,
// VER_PLATFORM_WIN32_WINDOWS for 95/98/ME), or -1 when it cannot be told.
#pragma once
#include <windows.h>

inline DWORD PlatformId() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version); // the 148-byte record
    return GetVersionExA(&version) ? version.dwPlatformId : static_cast<DWORD>(-1);
}
