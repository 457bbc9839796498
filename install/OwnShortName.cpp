#include "install/OwnShortName.h"

#include <cstring>

namespace {

constexpr size_t kMaxBase = 8;
constexpr size_t kMaxExtension = 3;

bool IsShortNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c != '\0' && std::strchr("!#$%&'()-@^_`{}~", c));
}

bool IsShortNamePart(const std::string& part, size_t maxLength) {
    if (part.empty() || part.size() > maxLength)
        return false;
    for (char c : part) {
        if (!IsShortNameCharacter(c))
            return false;
    }
    return true;
}

}

bool IsOwnShortName(const std::string& name) {
    const size_t dot = name.find('.');
    if (dot == std::string::npos)
        return IsShortNamePart(name, kMaxBase);
    return IsShortNamePart(name.substr(0, dot), kMaxBase) && IsShortNamePart(name.substr(dot + 1), kMaxExtension);
}
