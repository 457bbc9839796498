#include "windows/QuitSetup_win.h"

#include <windows.h>

namespace {
bool quitConfirmed = false;
}

bool QuitSetup(QuitMode mode) {
    // During the copy run the quit stops the run, which is then undone (see
    // the copy page); before it nothing has been changed.
    if (mode == QuitMode::Ask &&
        MessageBoxA(nullptr, "Are you really sure to quit setup? The application will be deleted if you click on Yes",
                    "Quit setup", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    quitConfirmed = true;
    PostQuitMessage(static_cast<int>(mode));
    return true;
}

bool QuitConfirmed() {
    return quitConfirmed;
}
