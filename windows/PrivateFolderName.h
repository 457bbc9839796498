// The name of a folder of one run's own: a prefix and 64 random bits in hex.
#pragma once
#include <cstdint>
#include <string>

// prefix + 16 upper-case hex digits of randomBits.
std::string PrivateFolderName(const std::string& prefix, uint64_t randomBits);

// True when name is exactly what PrivateFolderName makes for prefix: the
// prefix, then 16 upper-case hex digits, nothing else.
bool IsPrivateFolderName(const std::string& name, const std::string& prefix);
