#include "rollback/UndoMessage_win.h"

#include <windows.h>

#include "windows/Unattended_win.h"

void ShowUndoMessage(UndoOccasion occasion, const UndoReport& report) {
    std::string text = occasion == UndoOccasion::StoppedRun
                           ? "The installation was stopped. "
                           : "An earlier installation was interrupted before it ended. ";
    const bool complete = report.Problems.empty() && report.AtRestart.empty();
    if (complete) {
        text += "Setup has undone all its changes: the application was not installed and nothing was changed.";
    } else {
        text += "Setup has undone its changes";
        if (!report.AtRestart.empty()) {
            text += "; what was in use is undone when Windows restarts:";
            for (const std::string& line : report.AtRestart)
                text += "\r\n- " + line;
        }
        if (!report.Problems.empty()) {
            text += report.AtRestart.empty() ? ", except:" : "\r\nThese could not be undone:";
            for (const std::string& problem : report.Problems)
                text += "\r\n- " + problem;
        }
    }
    // A quit already requested would close the box at once; it is taken
    // off the queue while the box is shown and posted again with its code.
    MSG quit;
    const bool quitting = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    AskUser(nullptr, text, "Setup", MB_OK | (complete ? MB_ICONINFORMATION : MB_ICONWARNING), IDOK);
    if (quitting)
        PostQuitMessage(static_cast<int>(quit.wParam));
}
