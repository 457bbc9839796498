#include "windows/QuitSetup_win.h"

#include <windows.h>
#include "windows/Unattended_win.h"

bool QuitSetup(QuitMode mode) {
    // The message speaks of deleting the application; nothing is deleted or
    // undone here, files already installed stay.
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
    PostQuitMessage(static_cast<int>(mode));
    return true;
}
