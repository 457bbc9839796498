// The small window that shows the unpacking. It appears only once the work
// has taken half a second, never when the loader is very silent, and is
// drawn with user32 alone (no common controls, no gdi32).
#pragma once
#include <windows.h>

#include <cstdint>

class UnpackProgress {
public:
    UnpackProgress(HINSTANCE instance, bool allowed);
    ~UnpackProgress();
    UnpackProgress(const UnpackProgress&) = delete;
    UnpackProgress& operator=(const UnpackProgress&) = delete;

    // A new stage of the work (checking, unpacking): its text and how many
    // bytes it goes through; the bar starts again.
    void Stage(const char* text, uint64_t total);

    // Records how far the stage is, shows the window when it is due, and
    // serves its messages.
    void Update(uint64_t done);

private:
    HINSTANCE instance_;
    bool allowed_;
    uint64_t total_ = 1;
    const char* text_ = "";
    DWORD start_;
    HWND window_ = nullptr;
    HWND label_ = nullptr;
    int shownPermille_ = -1;
};
