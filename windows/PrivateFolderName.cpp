#include "windows/PrivateFolderName.h"

std::string PrivateFolderName(const std::string& prefix, uint64_t randomBits) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name = prefix;
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kHex[(randomBits >> shift) & 0xF];
    return name;
}

bool IsPrivateFolderName(const std::string& name, const std::string& prefix) {
    constexpr size_t kDigits = 16;
    if (name.size() != prefix.size() + kDigits || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (!((name[i] >= '0' && name[i] <= '9') || (name[i] >= 'A' && name[i] <= 'F')))
            return false;
    return true;
}
