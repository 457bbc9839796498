// Commands for the wizard pages: where a page's client area lies on the
// screen (the welcome picture is placed in client pixels), clicks with the
// real mouse, which reach controls that ignore BM_CLICK (a label), and
// enabling or disabling a control behind the page's back, so that a test
// sees the Next-button timer set the state again.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/Mouse.h"
#include "tests/e2e/robot/WindowQuery.h"

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
    RECT rect{};
    GetWindowRect(control, &rect);
    return ClickScreenPoint(session.Window, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2,
                            session.TimeoutMs, error);
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
