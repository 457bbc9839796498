#include "checker/HostMedium.h"

#include <windows.h>

#include <cctype>

#include "windows/FindFiles.h"

HostMedium::HostMedium(const std::string& medium) : medium_(medium) {
    const DWORD needed = GetFullPathNameA(medium.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return;
    std::string full(needed, '\0');
    const DWORD length = GetFullPathNameA(medium.c_str(), needed, &full[0], nullptr);
    if (length > 0 && length < needed) {
        full.resize(length);
        medium_ = full;
    }
}

bool HostMedium::Enumerate(const std::string& pattern,
                                 const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    const bool drive = pattern.size() >= 2 && std::isalpha(static_cast<unsigned char>(pattern[0])) && pattern[1] == ':';
    const bool absolute = drive || (!pattern.empty() && pattern[0] == '\\');
    ForEachMatchingFile(absolute ? pattern : medium_ + "\\" + pattern, visit);
    return true;
}
