#include "uninstall/UninstallRegistry.h"

#include <windows.h>

#include "windows/Handles.h"

namespace {
void SetStringValue(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}
}

void WriteUninstallEntry(const std::string& keyPath, const std::string& displayName,
                         const std::string& uninstallCommand) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &created, &disposition) != ERROR_SUCCESS)
        return;
    RegKey key(created);
    SetStringValue(key.get(), "DisplayName", displayName);
    SetStringValue(key.get(), "UninstallString", uninstallCommand);
}
