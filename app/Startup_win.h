// The program from start to exit: checks, splash, start-up variables, the
// script, the background, the statement loop and shutdown.
#pragma once
#include <windows.h>

// Exit codes of setup.exe.
enum ExitCode : int {
    ExitNormal = 0,
    ExitNoScript = 1,
    ExitSyntaxError = 2,
    ExitNoCommonControls = -5,
    ExitNoProgramFilesDir = -6,
};

int RunSetup(HINSTANCE instance);
