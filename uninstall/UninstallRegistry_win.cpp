#include "uninstall/UninstallRegistry_win.h"

#include <windows.h>

#include <vector>

#include "text/VersionText.h"
#include "uninstall/LogCodePage.h"
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
    SetDwordValue(key.get(), LogCodePageValue, details.LogCodePage);
    // An upgrade writes over the earlier entry: a version it no longer
    // states must not stay behind.
    if (details.DisplayVersion.empty()) {
        for (const char* name : {"DisplayVersion", "VersionMajor", "VersionMinor"})
            RegDeleteValueA(key.get(), name);
        return;
    }
    const MajorMinor version = MajorMinorOf(details.DisplayVersion);
    SetStringValue(key.get(), "DisplayVersion", details.DisplayVersion);
    SetDwordValue(key.get(), "VersionMajor", version.Major);
    SetDwordValue(key.get(), "VersionMinor", version.Minor);
}

RegKey OpenUninstallKey(const std::vector<std::string>& names, size_t count, LONG& error) {
    HKEY opened = nullptr;
    error = RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallRootKey, 0, KEY_ALL_ACCESS, &opened);
    RegKey key(error == ERROR_SUCCESS ? opened : nullptr);
    for (size_t i = 0; i < count && key; ++i) {
        opened = nullptr;
        error = RegOpenKeyExA(key.get(), names[i].c_str(), 0, KEY_ALL_ACCESS, &opened);
        key = RegKey(error == ERROR_SUCCESS ? opened : nullptr);
    }
    return key;
}

std::optional<uint32_t> ReadEntryNumber(const std::vector<std::string>& keyNames, const char* valueName) {
    LONG error = ERROR_SUCCESS;
    const RegKey key = OpenUninstallKey(keyNames, keyNames.size(), error);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!key || RegQueryValueExA(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                    ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

std::optional<std::string> ReadEntryText(const std::vector<std::string>& keyNames, const char* valueName) {
    LONG error = ERROR_SUCCESS;
    const RegKey key = OpenUninstallKey(keyNames, keyNames.size(), error);
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegQueryValueExA(key.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::string(text.data());
}

void SetEntryText(const std::vector<std::string>& keyNames, const char* valueName, const std::string& text) {
    LONG error = ERROR_SUCCESS;
    if (const RegKey key = OpenUninstallKey(keyNames, keyNames.size(), error))
        SetStringValue(key.get(), valueName, text);
}

void DeleteEntryValue(const std::vector<std::string>& keyNames, const char* valueName) {
    LONG error = ERROR_SUCCESS;
    if (const RegKey key = OpenUninstallKey(keyNames, keyNames.size(), error))
        RegDeleteValueA(key.get(), valueName);
}
