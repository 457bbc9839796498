#include "tests/e2e/robot/Mouse.h"

#include "tests/e2e/robot/Polling.h"

namespace {

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute positions run from 0 to 65535 across the primary screen;
        // rounded up, so that the way back to pixels lands on the same
        // pixel whether it truncates or rounds.
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (x * 65536 + width - 1) / width;
        input.mi.dy = (y * 65536 + height - 1) / height;
    }
    SendInput(1, &input, sizeof(input));
}

} // namespace

bool ClickScreenPoint(HWND window, int x, int y, DWORD timeoutMs, std::string& error) {
    SetForegroundWindow(window);
    if (!PollUntil(timeoutMs, [&] { return GetForegroundWindow() == window; })) {
        error = "cannot bring the window to the front";
        return false;
    }
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    POINT cursor{};
    if (!PollUntil(timeoutMs, [&] { return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y; })) {
        error = "the mouse did not reach " + std::to_string(x) + "," + std::to_string(y);
        return false;
    }
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    return true;
}
