// The uninstall entry below HKEY_LOCAL_MACHINE that names the application and
// its uninstaller.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "windows/Handles_win.h"

#include "uninstall/UninstallEntry.h"

// Creates or opens the application's key below UninstallRootKey (named by
// UninstallKeyNames) and sets "DisplayName" to the whole appName,
// "UninstallString" and the details, with NoModify and NoRepair 1 (setup
// can neither change nor repair an installation). Failures are not
// reported: the installation itself succeeded.
void WriteUninstallEntry(const std::string& appName, const std::string& uninstallCommand,
                         const UninstallEntryDetails& details);

// Opens the key of the first count names below UninstallRootKey, one name at
// a time: a whole path might not pass the 8-bit registry calls. error is the
// result of the open that failed.
RegKey OpenUninstallKey(const std::vector<std::string>& names, size_t count, LONG& error);

// A text value of the application's key (keyNames: all its names below
// UninstallRootKey). These never create the key: an entry that is gone stays
// gone. A value that is missing or no text reads as nothing.
std::optional<std::string> ReadEntryText(const std::vector<std::string>& keyNames, const char* valueName);
// A DWORD value of the key, the same way.
std::optional<uint32_t> ReadEntryNumber(const std::vector<std::string>& keyNames, const char* valueName);
void SetEntryText(const std::vector<std::string>& keyNames, const char* valueName, const std::string& text);
void DeleteEntryValue(const std::vector<std::string>& keyNames, const char* valueName);
