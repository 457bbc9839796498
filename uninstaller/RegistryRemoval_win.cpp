#include "uninstaller/RegistryRemoval_win.h"

#include <windows.h>

#include "uninstall/LogDigest.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallRegistry_win.h"
#include "uninstaller/FileRemoval_win.h"
#include "windows/Handles_win.h"

namespace {
bool IsEmpty(HKEY key) {
    DWORD subkeys = 0;
    DWORD values = 0;
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS &&
           subkeys == 0 && values == 0;
}
}

bool RemoveUninstallEntry(const std::vector<std::string>& keyNames, std::string& reason) {
    LONG error = ERROR_SUCCESS;
    if (const RegKey own = OpenUninstallKey(keyNames, keyNames.size(), error)) {
        for (const char* name : UninstallEntryValueNames)
            RegDeleteValueA(own.get(), name);
        for (const char* name : {LogDigestValue, PendingLogDigestValue, LogDigestKeptValue})
            RegDeleteValueA(own.get(), name);
    }
    for (size_t count = keyNames.size(); count > 0; --count) {
        bool empty = false;
        {
            const RegKey key = OpenUninstallKey(keyNames, count, error);
            if (!key && error == ERROR_FILE_NOT_FOUND)
                continue;  // already gone
            if (!key)
                break;
            empty = IsEmpty(key.get());
        }
        // Windows 95 deletes a key with all its subkeys: only empty ones go.
        if (!empty)
            return true;
        const RegKey parent = OpenUninstallKey(keyNames, count - 1, error);
        if (parent)
            error = RegDeleteKeyA(parent.get(), keyNames[count - 1].c_str());
        if (error != ERROR_SUCCESS)
            break;
    }
    if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND)
        return true;
    reason = SystemErrorText(static_cast<unsigned long>(error));
    return false;
}
