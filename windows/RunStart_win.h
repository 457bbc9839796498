// The start of setup.exe and TAUninstall.exe as the command line asks: the
// switches read by the platform's rules (the C runtime's argument vector),
// the run log opened, a refused argument or /? answered.
#pragma once
#include <optional>

#include "run/SetupSwitches.h"

// Returns the exit code when the program is to end at once (1639 a refused
// argument, 1622 a /LOG= file that cannot be written, 0 after /?), or nothing
// to go on.
std::optional<int> BeginRun(SwitchSet set, const char* programName);
