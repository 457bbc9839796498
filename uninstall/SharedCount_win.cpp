#include "uninstall/SharedCount_win.h"

#include <windows.h>

#include "windows/Handles.h"

namespace {
RegKey OpenCounts(REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SharedDllsKey, 0, access, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}
}

SharedCountValue ReadSharedCount(const std::string& filePath) {
    const RegKey key = OpenCounts(KEY_QUERY_VALUE);
    DWORD type = 0;
    DWORD count = 0;
    DWORD size = sizeof(count);
    if (!key)
        return {CountValueKind::Missing, 0};
    const LONG result =
        RegQueryValueExA(key.get(), filePath.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&count), &size);
    if (result == ERROR_FILE_NOT_FOUND)
        return {CountValueKind::Missing, 0};
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(count))
        return {CountValueKind::OtherType, 0};
    return {CountValueKind::Number, count};
}

bool WriteSharedCount(const std::string& filePath, uint32_t count) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, SharedDllsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        return false;
    const RegKey key(created);
    const DWORD value = count;
    return RegSetValueExA(key.get(), filePath.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

bool DeleteSharedCount(const std::string& filePath) {
    const RegKey key = OpenCounts(KEY_SET_VALUE);
    if (!key)
        return true;
    const LONG result = RegDeleteValueA(key.get(), filePath.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

void CountSharedInstallation(const std::string& filePath, bool fileExistedBefore) {
    if (const auto count = CountAfterInstall(ReadSharedCount(filePath), fileExistedBefore))
        WriteSharedCount(filePath, *count);
}
