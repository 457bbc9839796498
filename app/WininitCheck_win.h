// On Windows 95, 98 and ME: checks the Wininit.exe that replaces files in
// use at restart.
#pragma once

// Returns false when the user declined to go on after the size warning.
bool CheckWininit();
