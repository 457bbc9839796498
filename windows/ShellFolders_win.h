// The shell's folder browser and special folders, with item identifier
// lists freed through the shell's allocator as soon as their path is read.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// Owns an item identifier list.
class ItemIdList {
public:
    ItemIdList() = default;
    explicit ItemIdList(LPITEMIDLIST list) : list_(list) {}
    ~ItemIdList();
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    LPITEMIDLIST get() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }

private:
    LPITEMIDLIST list_ = nullptr;
};

// The file-system path of an item list; empty when it has none.
std::string PathOfItemIdList(LPCITEMIDLIST list);

// The item list of a special folder such as CSIDL_PROGRAMS (null on failure).
LPITEMIDLIST SpecialFolderList(HWND owner, int folder);

// The path of a special folder; empty on failure.
std::string SpecialFolderPath(HWND owner, int folder);

// Shows the folder browser (file-system folders only). Returns false when
// the user cancels; otherwise the chosen folder's path.
bool BrowseForFolder(HWND owner, LPCITEMIDLIST root, const char* title, std::string& path);

constexpr char kBrowseTitle[] = "Please choose the directory in which the software will be installed.";
