// The name of a folder of one run's own: a prefix and 64 random bits in hex.
#pragma once
#include <cstdint>
#include <string>

// prefix + 16 upper-case hex digits of randomBits.
std::string PrivateFolderName(const std::string& prefix, uint64_t randomBits);
