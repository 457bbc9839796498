// The Windows and system directories, read through bounded buffers.
#pragma once
#include <string>

std::string WindowsDirectory();
std::string SystemDirectory();
std::string CurrentDirectory();
