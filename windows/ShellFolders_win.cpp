#include "windows/ShellFolders_win.h"

#include "windows/SystemLibrary_win.h"

namespace {
template <typename Function>
Function Shell32(const char* name) {
    return SystemFunction<Function>("shell32.dll", name);
}
}

ItemIdList::~ItemIdList() {
    if (!list_)
        return;
    static const auto getMalloc = Shell32<decltype(&SHGetMalloc)>("SHGetMalloc");
    IMalloc* allocator = nullptr;
    if (getMalloc && SUCCEEDED(getMalloc(&allocator))) {
        allocator->Free(list_);
        allocator->Release();
    }
}

std::string PathOfItemIdList(LPCITEMIDLIST list) {
    static const auto pathFromList = Shell32<decltype(&SHGetPathFromIDListA)>("SHGetPathFromIDListA");
    char path[MAX_PATH] = "";
    if (!list || !pathFromList || !pathFromList(list, path))
        return std::string();
    return std::string(path, strnlen(path, sizeof(path)));
}

LPITEMIDLIST SpecialFolderList(HWND owner, int folder) {
    static const auto folderLocation = Shell32<decltype(&SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
    LPITEMIDLIST list = nullptr;
    if (!folderLocation || FAILED(folderLocation(owner, folder, &list)))
        return nullptr;
    return list;
}

std::string SpecialFolderPath(HWND owner, int folder) {
    const ItemIdList list(SpecialFolderList(owner, folder));
    return PathOfItemIdList(list.get());
}

bool BrowseForFolder(HWND owner, LPCITEMIDLIST root, const char* title, std::string& path) {
    static const auto browse = Shell32<decltype(&SHBrowseForFolderA)>("SHBrowseForFolderA");
    if (!browse)
        return false;
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const ItemIdList chosen(browse(&info));
    if (!chosen)
        return false;
    path = PathOfItemIdList(chosen.get());
    return true;
}
