// move-window X Y: moves the current window's top-left corner to a screen
// point, so that a screenshot shows the window that it covered (the copy page
// behind a prompt).
#include "tests/e2e/robot/RobotCommands.h"

bool MoveWindowCommand(Session& session, const RobotCommand& command, std::string& error) {
    long x = 0;
    long y = 0;
    if (!RequireWindow(session, error) || !NumberWord(command, 0, x, error) || !NumberWord(command, 1, y, error))
        return false;
    if (!SetWindowPos(session.Window, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        error = "SetWindowPos failed, error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}
