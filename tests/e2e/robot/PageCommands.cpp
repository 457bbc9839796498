// Commands for the wizard pages: where a page's client area lies on the
// screen (the welcome picture is placed in client pixels), clicks with the
// real mouse, which reach controls that ignore BM_CLICK (a label), and
// enabling or disabling a control behind the page's back, so that a test
// sees the Next-button timer set the state again.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/WindowQuery.h"

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

bool ClientRectCommand(Session& session, const RobotCommand&, std::string& error) {
    if (!RequireWindow(session, error))
        return false;
    RECT client{};
    GetClientRect(session.Window, &client);
    POINT origin{0, 0};
    ClientToScreen(session.Window, &origin);
    Report("client left=" + std::to_string(origin.x) + " top=" + std::to_string(origin.y) +
           " width=" + std::to_string(client.right) + " height=" + std::to_string(client.bottom));
    return true;
}

bool MouseClickCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND control = RequireControl(session, command, error);
    if (!control)
        return false;
    SetForegroundWindow(session.Window);
    if (!PollUntil(session.TimeoutMs, [&] { return GetForegroundWindow() == session.Window; })) {
        error = "cannot bring the window to the front";
        return false;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    POINT cursor{};
    if (!PollUntil(session.TimeoutMs, [&] { return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y; })) {
        error = "the mouse did not reach " + std::to_string(x) + "," + std::to_string(y);
        return false;
    }
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    return true;
}

bool SetEnabledCommand(Session& session, const RobotCommand& command, std::string& error) {
    long enabled = 0;
    if (!NumberWord(command, 0, enabled, error))
        return false;
    const HWND control = RequireControl(session, command, error);
    if (!control)
        return false;
    EnableWindow(control, enabled ? TRUE : FALSE);
    return true;
}
