// The uninstall entry below HKEY_LOCAL_MACHINE that names the application and
// its uninstaller.
#pragma once
#include <string>

// Creates or opens the application's key below UninstallRootKey (named by
// UninstallKeyNames) and sets "DisplayName" to the whole appName and
// "UninstallString". Failures are not reported: the installation itself
// succeeded.
void WriteUninstallEntry(const std::string& appName, const std::string& uninstallCommand);
