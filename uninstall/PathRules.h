// Rules on path texts that setup, the checker and the uninstaller share.
#pragma once
#include <string>

// directory + "\" + name with exactly one backslash between them, whether
// the directory ends with backslashes or not: the paths setup composes from
// DP itself (the log, the uninstaller) must not depend on how DP was typed.
std::string JoinPath(const std::string& directory, const std::string& name);

// A path that does not depend on a current directory or drive: a drive
// letter, a colon and a backslash (C:\...), or a UNC path (\\server\share...).
bool IsFullPath(const std::string& path);
