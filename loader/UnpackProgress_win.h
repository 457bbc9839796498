// The small window that shows the unpacking. It appears only once the work
// has taken half a second, never when the loader is very silent, and is
// drawn with user32 alone (no common controls, no gdi32).
#pragma once
#include <windows.h>

#include <cstdint>

class UnpackProgress {
public:
    UnpackProgress(HINSTANCE instance, bool allowed, uint64_t total);
    ~UnpackProgress();
    UnpackProgress(const UnpackProgress&) = delete;
    UnpackProgress& operator=(const UnpackProgress&) = delete;

    // Records how far the work is, shows the window when it is due, and
    // serves its messages.
    void Update(uint64_t done);

private:
    HINSTANCE instance_;
    bool allowed_;
    uint64_t total_;
    DWORD start_;
    HWND window_ = nullptr;
    int shownPermille_ = -1;
};
