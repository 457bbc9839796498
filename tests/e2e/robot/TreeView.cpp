#include "tests/e2e/robot/TreeView.h"

#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/RemoteMemory.h"

namespace {

constexpr size_t kTextCapacity = 520;

HTREEITEM NextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(
        AskControl(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool ReadItem(HWND tree, const RemoteBuffer& remote, HTREEITEM handle, std::string& text, UINT& state) {
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_STATE;
    item.hItem = handle;
    item.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    item.pszText = remote.At(sizeof(TVITEMA));
    item.cchTextMax = static_cast<int>(kTextCapacity);
    if (!remote.Write(0, &item, sizeof(item)) ||
        !AskControl(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.At(0))) ||
        !remote.Read(0, &item, sizeof(item)))
        return false;
    std::vector<char> buffer(kTextCapacity, '\0');
    if (!remote.Read(sizeof(TVITEMA), buffer.data(), buffer.size()))
        return false;
    buffer.back() = '\0';
    text = buffer.data();
    state = item.state;
    return true;
}

bool ReadLevel(HWND tree, const RemoteBuffer& remote, HTREEITEM first, int level, std::vector<TreeItem>& items) {
    for (HTREEITEM handle = first; handle; handle = NextItem(tree, handle, TVGN_NEXT)) {
        TreeItem item;
        UINT state = 0;
        if (!ReadItem(tree, remote, handle, item.Text, state))
            return false;
        item.Handle = handle;
        item.Level = level;
        item.Selected = (state & TVIS_SELECTED) != 0;
        items.push_back(item);
        if ((state & TVIS_EXPANDED) && !ReadLevel(tree, remote, NextItem(tree, handle, TVGN_CHILD), level + 1, items))
            return false;
    }
    return true;
}

// The child (or, with a null parent, the root) that carries this text;
// seen collects the texts of the others, for the message when none does.
HTREEITEM FindChild(HWND tree, const RemoteBuffer& remote, HTREEITEM parent, const std::string& text,
                    std::string& seen) {
    seen.clear();
    HTREEITEM handle = parent ? NextItem(tree, parent, TVGN_CHILD) : NextItem(tree, nullptr, TVGN_ROOT);
    for (; handle; handle = NextItem(tree, handle, TVGN_NEXT)) {
        std::string itemText;
        UINT state = 0;
        if (!ReadItem(tree, remote, handle, itemText, state))
            continue;
        if (itemText == text)
            return handle;
        seen += " \"" + itemText + "\"";
    }
    return nullptr;
}

} // namespace

bool ReadTreeView(HWND tree, std::vector<TreeItem>& items, std::string& error) {
    RemoteBuffer remote(tree, sizeof(TVITEMA) + kTextCapacity);
    items.clear();
    if (!remote || !ReadLevel(tree, remote, NextItem(tree, nullptr, TVGN_ROOT), 0, items)) {
        error = "cannot read the tree's items";
        return false;
    }
    return true;
}

bool SelectTreePath(HWND tree, const std::vector<std::string>& texts, DWORD timeoutMs, std::string& error) {
    RemoteBuffer remote(tree, sizeof(TVITEMA) + kTextCapacity);
    if (!remote) {
        error = "cannot allocate memory in the tree's process";
        return false;
    }
    HTREEITEM item = nullptr;
    for (const std::string& text : texts) {
        if (item)
            AskControl(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        const HTREEITEM parent = item;
        std::string seen;
        if (!PollUntil(timeoutMs, [&] { return (item = FindChild(tree, remote, parent, text, seen)) != nullptr; })) {
            error = "no item \"" + text + "\" in the tree, only" + seen;
            return false;
        }
    }
    if (!item) {
        error = "name the items to walk";
        return false;
    }
    AskControl(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (!PollUntil(timeoutMs, [&] { return NextItem(tree, nullptr, TVGN_CARET) == item; })) {
        error = "the tree did not select \"" + texts.back() + "\"";
        return false;
    }
    return true;
}
