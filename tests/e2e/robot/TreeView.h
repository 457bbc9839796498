// Reading and choosing items of a tree view in another process, such as the
// folder tree of the shell's folder browser.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

struct TreeItem {
    HTREEITEM Handle = nullptr;
    std::string Text;
    int Level = 0; // 0 for the roots
    bool Selected = false;
};

// The items that are visible now: the roots and the children of expanded items.
bool ReadTreeView(HWND tree, std::vector<TreeItem>& items, std::string& error);

// Walks down from the roots along the item texts, expanding each item on the
// way, and selects the last one. Children that the owner adds while an item
// expands are waited for within timeoutMs.
bool SelectTreePath(HWND tree, const std::vector<std::string>& texts, DWORD timeoutMs, std::string& error);
