#include "windows/QuitSetup_win.h"

#include <windows.h>

bool QuitSetup(QuitMode mode) {
    // The message speaks of deleting the application; nothing is deleted or
    // undone here, files already installed stay.
    if (mode == QuitMode::Ask &&
        MessageBoxA(nullptr, "Are you really sure to quit setup? The application will be deleted if you click on Yes",
                    "Quit setup", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    PostQuitMessage(static_cast<int>(mode));
    return true;
}
