#include "windows/PrivateFolderName.h"

std::string PrivateFolderName(const std::string& prefix, uint64_t randomBits) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name = prefix;
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kHex[(randomBits >> shift) & 0xF];
    return name;
}
