#include "uninstall/UninstallRegistry_win.h"

#include <windows.h>

#include "uninstall/UninstallEntry.h"
#include "windows/Handles_win.h"

namespace {
void SetStringValue(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void SetDwordValue(HKEY key, const char* name, DWORD value) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

// Creates or opens one key below parent; an empty name opens parent again.
RegKey CreateKey(HKEY parent, const std::string& name) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &created, &disposition) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(created);
}
}

void WriteUninstallEntry(const std::string& appName, const std::string& uninstallCommand,
                         const UninstallEntryDetails& details) {
    RegKey key = CreateKey(HKEY_LOCAL_MACHINE, UninstallRootKey);
    for (const std::string& name : UninstallKeyNames(appName)) {
        if (!key)
            return;
        key = CreateKey(key.get(), name);
    }
    if (!key)
        return;
    SetStringValue(key.get(), "DisplayName", appName);
    SetStringValue(key.get(), "UninstallString", uninstallCommand);
    SetStringValue(key.get(), "QuietUninstallString", details.QuietUninstallString);
    SetStringValue(key.get(), "InstallLocation", details.InstallLocation);
    if (!details.Publisher.empty())
        SetStringValue(key.get(), "Publisher", details.Publisher);
    SetStringValue(key.get(), "InstallDate", details.InstallDate);
    SetDwordValue(key.get(), "EstimatedSize", details.EstimatedSizeKb);
    SetDwordValue(key.get(), "NoModify", 1);
    SetDwordValue(key.get(), "NoRepair", 1);
}
