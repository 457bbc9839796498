#include "uninstaller/RegistryRemoval_win.h"

#include <windows.h>

#include "uninstall/UninstallEntry.h"
#include "uninstaller/FileRemoval_win.h"
#include "windows/Handles.h"

namespace {
// Opens the key of the first count names below the Uninstall key, one name
// at a time: a whole path might not pass the 8-bit registry calls.
RegKey OpenBelowRoot(const std::vector<std::string>& names, size_t count) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallRootKey, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return RegKey();
    RegKey key(opened);
    for (size_t i = 0; i < count && key; ++i) {
        opened = nullptr;
        if (RegOpenKeyExA(key.get(), names[i].c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
            return RegKey();
        key = RegKey(opened);
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
    if (const RegKey own = OpenBelowRoot(keyNames, keyNames.size())) {
        RegDeleteValueA(own.get(), "DisplayName");
        RegDeleteValueA(own.get(), "UninstallString");
    }
    for (size_t count = keyNames.size(); count > 0; --count) {
        bool empty = false;
        {
            const RegKey key = OpenBelowRoot(keyNames, count);
            if (!key)
                continue;  // already gone
            empty = IsEmpty(key.get());
        }
        // Windows 95 deletes a key with all its subkeys: only empty ones go.
        if (!empty)
            return true;
        const RegKey parent = OpenBelowRoot(keyNames, count - 1);
        const LONG result = parent ? RegDeleteKeyA(parent.get(), keyNames[count - 1].c_str()) : ERROR_ACCESS_DENIED;
        if (result != ERROR_SUCCESS) {
            reason = SystemErrorText(static_cast<unsigned long>(result));
            return false;
        }
    }
    return true;
}
