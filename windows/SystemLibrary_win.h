// Libraries beyond the system's known ones (kernel32, user32, gdi32, advapi32
// and the C runtime) are loaded only from the system directory, by full path,
// so that a library planted beside the program is never loaded.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

#include "windows/Handles_win.h"
#include "windows/ProcAddress_win.h"

// What RestrictLibrarySearch could do on this Windows.
struct LibrarySearchRestriction {
    bool SystemDirectoryOnly = false;     // SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) succeeded
    bool CurrentDirectoryRemoved = false; // SetDllDirectoryA("") succeeded
};

// Call first thing: both calls are found at run time, since Windows 95 to XP
// (before SP1) lack them; where they are missing nothing changes.
LibrarySearchRestriction RestrictLibrarySearch();

// The full path of a file in the system directory; empty when the directory
// cannot be read.
std::string SystemLibraryPath(const char* fileName);

// A library of the system directory, loaded by its full path and freed when
// the object ends.
class SystemLibrary {
public:
    explicit SystemLibrary(const char* fileName);

    explicit operator bool() const { return static_cast<bool>(module_); }
    HMODULE get() const { return module_.get(); }

    // The entry point, or null when it or the library is missing.
    template <typename Function>
    Function Find(const char* name) const {
        return module_ ? ProcAddress<Function>(module_.get(), name) : nullptr;
    }

private:
    Library module_;
};

// A library that an installation brings, loaded by its full path for its
// self-registration: its own dependencies are looked for beside it, never in
// the current directory (LOAD_WITH_ALTERED_SEARCH_PATH), and one whose
// imports are missing fails quietly, without the system's error box.
Library LoadInstalledLibrary(const std::string& fullPath);

// A system library loaded by full path that stays loaded until the process
// ends, as an imported one would; null when it is missing.
HMODULE KeptSystemLibrary(const char* fileName);

// Loads each named library from the system directory and keeps it for the
// process. The system's own libraries load others by bare name (comctl32
// delay-loads msimg32, for one); such a load finds the copy already loaded
// instead of searching the program's folder, also where the search cannot be
// restricted.
void KeepSystemLibraries(std::initializer_list<const char*> fileNames);

// An entry point of such a library; null when it or the library is missing.
// Callers keep the result in a function-local static, so that each entry
// point is looked up (and its library counted as loaded) once.
template <typename Function>
Function SystemFunction(const char* fileName, const char* name) {
    const HMODULE module = KeptSystemLibrary(fileName);
    return module ? ProcAddress<Function>(module, name) : nullptr;
}
