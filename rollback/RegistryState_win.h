// Reading a registry value or key as it is now and putting it back: what the
// journal keeps of the registry and what the undo does with it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "rollback/JournalRecord.h"

// The longest leading part of root\path (whole key names) that exists;
// empty when not even the first key does.
std::string ExistingKeyPart(HKEY root, const std::string& path);

bool KeyExists(HKEY root, const std::string& path);

std::optional<RegistryValueCopy> ReadRegistryValue(HKEY root, const std::string& path, const std::string& name);
std::vector<RegistryValueCopy> ReadAllValues(HKEY root, const std::string& path);

// Sets the value (creating the key) or, for nothing, deletes it. True when
// the value is as asked.
bool PutRegistryValue(HKEY root, const std::string& path, const std::string& name,
                      const std::optional<RegistryValueCopy>& value);

// Deletes every value of the key and sets the given ones.
bool PutAllValues(HKEY root, const std::string& path, const std::vector<RegistryValueCopy>& values);

// Deletes root\path and then each parent, as long as the key holds neither
// values nor subkeys, stopping at kept (which existed before).
void RemoveEmptyKeys(HKEY root, const std::string& path, const std::string& kept);
