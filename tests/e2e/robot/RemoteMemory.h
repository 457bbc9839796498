// Talking to controls of another process: list and tree view messages carry
// pointers that Wine passes on unchanged, so their structures and texts
// travel through memory allocated inside the control's process.
#pragma once
#include <windows.h>

#include "windows/Handles_win.h"

// A block of memory inside a window's process, freed on scope exit.
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

// Sends a message to a control of another process without hanging on a
// busy one; 0 when it does not answer in time.
inline LRESULT AskControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    constexpr UINT kMessageTimeout = 2000;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeout, &result);
    return static_cast<LRESULT>(result);
}
