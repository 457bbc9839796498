#include "uninstaller/RegistryRemoval_win.h"

#include <windows.h>

#include "uninstall/UninstallEntry.h"
#include "uninstaller/FileRemoval_win.h"
#include "windows/Handles_win.h"

namespace {
// Opens the key of the first count names below the Uninstall key, one name
// at a time: a whole path might not pass the 8-bit registry calls. error is
// the result of the open that failed.
RegKey OpenBelowRoot(const std::vector<std::string>& names, size_t count, LONG& error) {
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
    if (const RegKey own = OpenBelowRoot(keyNames, keyNames.size(), error)) {
        for (const char* name : UninstallEntryValueNames)
            RegDeleteValueA(own.get(), name);
    }
    for (size_t count = keyNames.size(); count > 0; --count) {
        bool empty = false;
        {
            const RegKey key = OpenBelowRoot(keyNames, count, error);
            if (!key && error == ERROR_FILE_NOT_FOUND)
                continue;  // already gone
            if (!key)
                break;
            empty = IsEmpty(key.get());
        }
        // Windows 95 deletes a key with all its subkeys: only empty ones go.
        if (!empty)
            return true;
        const RegKey parent = OpenBelowRoot(keyNames, count - 1, error);
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
