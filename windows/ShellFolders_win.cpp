#include "windows/ShellFolders_win.h"

ItemIdList::~ItemIdList() {
    if (!list_)
        return;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        allocator->Free(list_);
        allocator->Release();
    }
}

std::string PathOfItemIdList(LPCITEMIDLIST list) {
    char path[MAX_PATH] = "";
    if (!list || !SHGetPathFromIDListA(list, path))
        return std::string();
    return std::string(path, strnlen(path, sizeof(path)));
}

LPITEMIDLIST SpecialFolderList(HWND owner, int folder) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, folder, &list)))
        return nullptr;
    return list;
}

std::string SpecialFolderPath(HWND owner, int folder) {
    const ItemIdList list(SpecialFolderList(owner, folder));
    return PathOfItemIdList(list.get());
}

bool BrowseForFolder(HWND owner, LPCITEMIDLIST root, const char* title, std::string& path) {
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const ItemIdList chosen(SHBrowseForFolderA(&info));
    if (!chosen)
        return false;
    path = PathOfItemIdList(chosen.get());
    return true;
}
