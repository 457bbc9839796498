// The Windows and system directories, read through bounded buffers.
#pragma once
#include <string>

std::string WindowsDirectory();
std::string SystemDirectory();
std::string CurrentDirectory();
// The temporary directory, ending with a backslash.
std::string TempDirectory();
// The full path of the running program.
std::string ProgramPath();
// Where Windows 95, 98 and ME keep the work of the next restart.
std::string WininitIniPath();

// The short (8.3) form of an existing path, however long; empty when the
// path does not exist or has no short form.
std::string ShortPathOf(const std::string& path);

// The platform's full, normalized form of a path: relative to the current
// directory when it is not full, without "." or ".." components and doubled
// separators. The path as it is when the call fails.
std::string FullPathOf(const std::string& path);
