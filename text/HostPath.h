// File-system paths from and to the 8-bit texts the programs handle: UTF-8
// on POSIX and in a Windows process that runs in UTF-8, else the ANSI code
// page, which the library's own narrow conversion covers.
#pragma once
#include <filesystem>
#include <string>

// Set once at start by a Windows program; POSIX texts are UTF-8.
void SetHostTextIsUtf8(bool utf8);

std::filesystem::path HostPath(const std::string& text);
std::string HostText(const std::filesystem::path& path);
