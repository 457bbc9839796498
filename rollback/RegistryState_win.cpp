#include "rollback/RegistryState_win.h"

#include <algorithm>

#include "windows/Handles_win.h"

namespace {

// 16383 UTF-16 units, three bytes each at most, and the end.
constexpr size_t kLongestValueName = 3 * 16383 + 1;

RegKey OpenKey(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

RegKey CreateKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

// The names of the key's values, read before any is deleted. The longest
// name is counted in UTF-16 units; in the 8-bit form one unit takes up to
// three bytes (UTF-8), so the buffer allows for that and grows when a name
// still does not fit: a name cut short would be a name lost.
std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<char> name(3 * static_cast<size_t>(longest) + 2);
    for (DWORD index = 0;;) {
        DWORD size = static_cast<DWORD>(name.size());
        const LONG result = RegEnumValueA(key, index, name.data(), &size, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA && name.size() < kLongestValueName) {
            name.resize(std::min(name.size() * 2, kLongestValueName));
            continue;
        }
        if (result != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), size);
        ++index;
    }
    return names;
}

} // namespace

bool KeyExists(HKEY root, const std::string& path) {
    return static_cast<bool>(OpenKey(root, path, KEY_READ));
}

std::string ExistingKeyPart(HKEY root, const std::string& path) {
    std::string part = path;
    while (!part.empty() && !KeyExists(root, part))
        part = ParentPath(part);
    return part;
}

std::optional<RegistryValueCopy> ReadRegistryValue(HKEY root, const std::string& path, const std::string& name) {
    const RegKey key = OpenKey(root, path, KEY_READ);
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return RegistryValueCopy{name, type, data};
}

std::vector<RegistryValueCopy> ReadAllValues(HKEY root, const std::string& path) {
    std::vector<RegistryValueCopy> values;
    const RegKey key = OpenKey(root, path, KEY_READ);
    if (!key)
        return values;
    for (const std::string& name : ValueNames(key.get()))
        if (auto value = ReadRegistryValue(root, path, name))
            values.push_back(std::move(*value));
    return values;
}

bool PutRegistryValue(HKEY root, const std::string& path, const std::string& name,
                      const std::optional<RegistryValueCopy>& value) {
    if (!value) {
        const RegKey key = OpenKey(root, path, KEY_SET_VALUE);
        if (!key)
            return true;
        const LONG result = RegDeleteValueA(key.get(), name.c_str());
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    const RegKey key = CreateKey(root, path);
    return key && RegSetValueExA(key.get(), name.c_str(), 0, value->Type,
                                 reinterpret_cast<const BYTE*>(value->Data.data()),
                                 static_cast<DWORD>(value->Data.size())) == ERROR_SUCCESS;
}

bool PutAllValues(HKEY root, const std::string& path, const std::vector<RegistryValueCopy>& values) {
    const RegKey key = CreateKey(root, path);
    if (!key)
        return false;
    bool done = true;
    for (const std::string& name : ValueNames(key.get()))
        done = RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS && done;
    for (const RegistryValueCopy& value : values)
        done = PutRegistryValue(root, path, value.Name, value) && done;
    return done;
}

void RemoveEmptyKeys(HKEY root, const std::string& path, const std::string& kept) {
    for (std::string key = path; key.size() > kept.size() && !key.empty(); key = ParentPath(key)) {
        {
            const RegKey open = OpenKey(root, key, KEY_READ);
            DWORD subkeys = 0;
            DWORD values = 0;
            if (open && (RegQueryInfoKeyA(open.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                          nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
                         subkeys != 0 || values != 0))
                return;
        }
        RegDeleteKeyA(root, key.c_str());
    }
}
