// Which relative paths a bundle may unpack: each one must stay inside the
// extraction folder on every Windows, whatever the index says.
#pragma once
#include <string>

// Longest relative path of a bundle; the loader adds its folder of about 40
// characters and stays under the 260 of the platform.
constexpr size_t kMaxEntryPathLength = 200;

// True for a path of components separated by "\" that names a plain file
// below the folder: not empty, not absolute, no drive or stream (":"), no
// "." or "..", no character Windows forbids or ends a name with, no device
// name (CON, NUL, COM1, LPT1 ... with or without extension).
bool IsSafeEntryPath(const std::string& path);

// The path folded to upper case (ASCII), as Windows compares names.
std::string FoldedEntryPath(const std::string& path);
