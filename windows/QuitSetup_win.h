// The quit confirmation shared by the pages, the copy page and the disk prompt.
#pragma once

enum class QuitMode {
    Ask = 1,    // Cancel on a page: ask first
    AtOnce = 2, // the copy run stopped: end without asking
};

// Posts the quit request (PostQuitMessage with the mode's number as code)
// and returns true when the run is ending; false when the user chose to go on.
bool QuitSetup(QuitMode mode);

// True once the user confirmed quitting in this process.
bool QuitConfirmed();
