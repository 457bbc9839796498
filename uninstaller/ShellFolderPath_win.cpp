#include "uninstaller/ShellFolderPath_win.h"

#include <windows.h>
#include <shlobj.h>

#include "windows/SystemLibrary_win.h"

namespace {
using GetLocationCall = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
using PathFromListCall = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using GetMallocCall = HRESULT(WINAPI*)(IMalloc**);
}

std::string ShellFolderPath(int folder) {
    const SystemLibrary shell("shell32.dll");
    const auto getLocation = shell.Find<GetLocationCall>("SHGetSpecialFolderLocation");
    const auto pathFromList = shell.Find<PathFromListCall>("SHGetPathFromIDListA");
    const auto getMalloc = shell.Find<GetMallocCall>("SHGetMalloc");
    LPITEMIDLIST list = nullptr;
    if (!getLocation || !pathFromList || !getMalloc || FAILED(getLocation(nullptr, folder, &list)) || !list)
        return std::string();
    char path[MAX_PATH] = "";
    const bool found = pathFromList(list, path) != FALSE;
    // The list belongs to the shell's allocator, freed while shell32 is loaded.
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(getMalloc(&allocator))) {
        allocator->Free(list);
        allocator->Release();
    }
    return found ? std::string(path, strnlen(path, sizeof(path))) : std::string();
}
