#include "windows/SystemLibrary_win.h"

#include "windows/SystemPaths_win.h"

namespace {
// Declared by the SDK only for Windows 8 and later; older systems with the
// update that added the call know it too.
constexpr DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryCall = BOOL(WINAPI*)(LPCSTR);

HMODULE LoadFromSystemDirectory(const char* fileName) {
    const std::string path = SystemLibraryPath(fileName);
    if (path.empty())
        return nullptr;
    // The altered search path makes the library's own imports resolve from
    // its directory (the system directory) first, also where the default
    // directories cannot be restricted.
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
} // namespace

LibrarySearchRestriction RestrictLibrarySearch() {
    LibrarySearchRestriction restriction;
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return restriction;
    if (const auto setDefault = ProcAddress<SetDefaultDllDirectoriesCall>(kernel, "SetDefaultDllDirectories"))
        restriction.SystemDirectoryOnly = setDefault(kSearchSystem32) != FALSE;
    if (const auto setDirectory = ProcAddress<SetDllDirectoryCall>(kernel, "SetDllDirectoryA"))
        restriction.CurrentDirectoryRemoved = setDirectory("") != FALSE;
    return restriction;
}

std::string SystemLibraryPath(const char* fileName) {
    const std::string directory = SystemDirectory();
    if (directory.empty())
        return directory;
    return directory + (directory.back() == '\\' ? "" : "\\") + fileName;
}

SystemLibrary::SystemLibrary(const char* fileName) : module_(LoadFromSystemDirectory(fileName)) {}

HMODULE KeptSystemLibrary(const char* fileName) {
    return LoadFromSystemDirectory(fileName);
}

void KeepSystemLibraries(std::initializer_list<const char*> fileNames) {
    for (const char* fileName : fileNames)
        KeptSystemLibrary(fileName);
}

Library LoadInstalledLibrary(const std::string& fullPath) {
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Library library(LoadLibraryExA(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    SetErrorMode(previousMode);
    return library;
}
