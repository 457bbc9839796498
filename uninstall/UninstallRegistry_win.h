// The uninstall entry below HKEY_LOCAL_MACHINE that names the application and
// its uninstaller.
#pragma once
#include <string>

#include "uninstall/UninstallEntry.h"

// Creates or opens the application's key below UninstallRootKey (named by
// UninstallKeyNames) and sets "DisplayName" to the whole appName,
// "UninstallString" and the details, with NoModify and NoRepair 1 (setup
// can neither change nor repair an installation). Failures are not
// reported: the installation itself succeeded.
void WriteUninstallEntry(const std::string& appName, const std::string& uninstallCommand,
                         const UninstallEntryDetails& details);
