// A small window that shows how far a long removal has come: the file being
// removed and a bar. It appears only once the removal has taken a moment, so
// a short one does not flash it.
#pragma once
#include <windows.h>

#include <string>

class ProgressWindow {
public:
    explicit ProgressWindow(std::string caption);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Show(size_t done, size_t total, const std::string& path);

private:
    void Create();

    std::string caption_;
    DWORD started_;
    HWND window_ = nullptr;
};
