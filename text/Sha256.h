// SHA-256 of bytes in memory, for the programs that run on the build host
// too (setuppack's package manifest); on Windows setup uses the system's.
#pragma once
#include <string>

// 64 lowercase hexadecimal digits.
std::string Sha256Hex(const std::string& bytes);
