// Wildcard enumeration of a directory with FindFirstFileA/FindNextFileA.
#pragma once
#include <functional>
#include <string>

void ForEachMatchingFile(const std::string& pattern,
                         const std::function<void(const std::string& name, bool isDirectory)>& visit);
