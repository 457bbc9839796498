#include "tests/e2e/robot/ListView.h"

#include <commctrl.h>

#include "windows/Handles.h"

namespace {

constexpr UINT kMessageTimeout = 2000;
constexpr size_t kTextCapacity = 1024;

// A block of memory inside the list view's process, freed on scope exit.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process_)
            address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_)
            VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return offset + size <= size_ && WriteProcessMemory(process_.get(), At(offset), data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return offset + size <= size_ && ReadProcessMemory(process_.get(), At(offset), data, size, nullptr);
    }

private:
    KernelHandle process_;
    void* address_ = nullptr;
    size_t size_;
};

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeout, &result);
    return static_cast<LRESULT>(result);
}

int ColumnCount(HWND list) {
    const HWND header = reinterpret_cast<HWND>(Ask(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(Ask(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    return columns > 0 ? columns : 1;
}

bool ReadCell(HWND list, const RemoteBuffer& remote, int row, int column, std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote.At(sizeof(LVITEMA));
    item.cchTextMax = static_cast<int>(kTextCapacity);
    if (!remote.Write(0, &item, sizeof(item)))
        return false;
    Ask(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.At(0)));
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
    const bool hasChecks = (Ask(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
    const int columns = ColumnCount(list);
    const int count = static_cast<int>(Ask(list, LVM_GETITEMCOUNT, 0, 0));
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
        const LRESULT state = Ask(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK | LVIS_SELECTED);
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
    if (!Ask(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.At(0)))) {
        error = "the list refused the new state of row " + std::to_string(index);
        return false;
    }
    return true;
}
