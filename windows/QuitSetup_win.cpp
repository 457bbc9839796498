#include "windows/QuitSetup_win.h"

#include <windows.h>
#include "windows/Unattended_win.h"

namespace {
bool quitConfirmed = false;
}

bool QuitSetup(QuitMode mode) {
    // During the copy run the quit stops the run, which is then undone (see
    // the copy page); before it nothing has been changed.
    // A silent run's Cancel (the copy page of /SILENT) stops without asking.
    if (mode == QuitMode::Ask && !IsSilentRun() &&
        AskUser(nullptr, "Are you really sure to quit setup? The application will be deleted if you click on Yes",
                "Quit setup", MB_YESNO | MB_ICONQUESTION, IDYES) != IDYES)
        return false;
    if (mode == QuitMode::Ask)
        TheRun().End.Cancelled = true;
    else
        TheRun().End.Failed = true;
    LogEvent(mode == QuitMode::Ask ? "The user quit setup" : "The copy run stopped");
    quitConfirmed = true;
    PostQuitMessage(static_cast<int>(mode));
    return true;
}

bool QuitConfirmed() {
    return quitConfirmed;
}
