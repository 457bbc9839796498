#include "tests/e2e/robot/ListView.h"

#include <commctrl.h>

#include "tests/e2e/robot/RemoteMemory.h"

namespace {

constexpr size_t kTextCapacity = 1024;

int ColumnCount(HWND list) {
    const HWND header = reinterpret_cast<HWND>(AskControl(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(AskControl(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    return columns > 0 ? columns : 1;
}

bool ReadCell(HWND list, const RemoteBuffer& remote, int row, int column, std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote.At(sizeof(LVITEMA));
    item.cchTextMax = static_cast<int>(kTextCapacity);
    if (!remote.Write(0, &item, sizeof(item)))
        return false;
    AskControl(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.At(0)));
    std::vector<char> buffer(kTextCapacity, '\0');
    if (!remote.Read(sizeof(LVITEMA), buffer.data(), buffer.size()))
        return false;
    buffer.back() = '\0';
    text = buffer.data();
    return true;
}

} // namespace

bool ReadListView(HWND list, std::vector<ListViewRow>& rows, std::string& error) {
    RemoteBuffer remote(list, sizeof(LVITEMA) + kTextCapacity);
    if (!remote) {
        error = "cannot allocate memory in the list's process";
        return false;
    }
    const bool hasChecks = (AskControl(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
    const int columns = ColumnCount(list);
    const int count = static_cast<int>(AskControl(list, LVM_GETITEMCOUNT, 0, 0));
    rows.clear();
    for (int row = 0; row < count; ++row) {
        ListViewRow line;
        for (int column = 0; column < columns; ++column) {
            std::string text;
            if (!ReadCell(list, remote, row, column, text)) {
                error = "cannot read row " + std::to_string(row);
                return false;
            }
            line.Cells.push_back(text);
        }
        const LRESULT state =
            AskControl(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK | LVIS_SELECTED);
        if (hasChecks)
            line.Checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0;
        line.Selected = (state & LVIS_SELECTED) != 0;
        rows.push_back(line);
    }
    return true;
}

bool SetListViewCheck(HWND list, int index, bool checked, std::string& error) {
    RemoteBuffer remote(list, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    if (!remote || !remote.Write(0, &item, sizeof(item))) {
        error = "cannot write into the list's process";
        return false;
    }
    if (!AskControl(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.At(0)))) {
        error = "the list refused the new state of row " + std::to_string(index);
        return false;
    }
    return true;
}
