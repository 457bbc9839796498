// Removing one installed file: at once, or at the next restart when it is in use.
#pragma once
#include <string>

#include "windows/SystemErrorText_win.h"

#include "uninstall/RemovalReport.h"

// A file that is already gone counts as removed, without a word. A
// read-only file loses the attribute first. A file in use is scheduled for
// deletion at the next restart. reason says why the file is still there.
RemovalOutcome RemoveInstalledFile(const std::string& path, std::string& reason);

// On Windows NT a delayed deletion (MoveFileExA with no new name); on
// Windows 95, 98 and ME a "NUL=<short path>" line in the rename section of
// wininit.ini, which keeps every other line of that file. Directories are
// removed at restart on NT only (Wininit.exe deletes files alone) and only if
// empty by then.
bool ScheduleDeletionAtRestart(const std::string& path, std::string& reason);

