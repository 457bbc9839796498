// The program from start to exit: checks, splash, start-up variables, the
// script, the background, the statement loop and shutdown.
#pragma once
#include <windows.h>

#include "run/ExitCodes.h"

int RunSetup(HINSTANCE instance);
