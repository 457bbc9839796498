// Loading a library that may be a data file or miss its imports, without the
// system's own error box.
#pragma once
#include <string>

#include "windows/Handles_win.h"

Library LoadLibraryQuietly(const std::string& path);
