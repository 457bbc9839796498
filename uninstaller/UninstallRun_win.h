// The uninstallation: reads Uninstall.log from the program's own directory,
// asks once, removes what the log records in reverse order, then the
// directories that became empty and the uninstall entry, and tells the user
// what was kept or scheduled for the restart.
#pragma once
#include <string>

#include "uninstall/RemovalReport.h"

struct UninstallResult {
    UninstallExit Exit = UninstallExit::RefusedOrFailed;
    // Everything recorded is removed or scheduled: the log and the program
    // itself go next, by the self-removal.
    bool FinishedWork = false;
};

// programPath is the uninstaller's own file: the log lies beside it, and its
// own record is left to the self-removal, which can delete it.
UninstallResult RunUninstall(const std::string& programPath);
