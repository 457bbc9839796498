// The uninstall entry below HKEY_LOCAL_MACHINE that names the application and
// its uninstaller.
#pragma once
#include <string>

// Creates or opens the key and sets "DisplayName" and "UninstallString".
// Failures are not reported: the installation itself succeeded.
void WriteUninstallEntry(const std::string& keyPath, const std::string& displayName,
                         const std::string& uninstallCommand);
