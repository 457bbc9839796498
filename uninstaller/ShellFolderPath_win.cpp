#include "uninstaller/ShellFolderPath_win.h"

#include <windows.h>
#include <shlobj.h>

#include "windows/Handles.h"
#include "windows/ProcAddress.h"
#include "windows/SystemPaths.h"

namespace {
using GetLocation = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
using PathFromList = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using GetMalloc = HRESULT(WINAPI*)(IMalloc**);
}

std::string ShellFolderPath(int folder) {
    const Library shell(LoadLibraryA((SystemDirectory() + "\\shell32.dll").c_str()));
    const auto getLocation = ProcAddress<GetLocation>(shell.get(), "SHGetSpecialFolderLocation");
    const auto pathFromList = ProcAddress<PathFromList>(shell.get(), "SHGetPathFromIDListA");
    const auto getMalloc = ProcAddress<GetMalloc>(shell.get(), "SHGetMalloc");
    if (!getLocation || !pathFromList || !getMalloc)
        return std::string();
    LPITEMIDLIST list = nullptr;
    if (FAILED(getLocation(nullptr, folder, &list)) || !list)
        return std::string();
    char path[MAX_PATH] = "";
    const bool found = pathFromList(list, path) != FALSE;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(getMalloc(&allocator))) {
        allocator->Free(list);
        allocator->Release();
    }
    return found ? std::string(path, strnlen(path, sizeof(path))) : std::string();
}
