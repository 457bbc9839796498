// Names for replacing a file in use at restart: the temporary copy in the
// Windows temporary directory and the target of a wininit.ini rename entry.
// Both use the short (8.3) form Windows gives a long name when nothing
// collides with it; the Win32 layer supplies real short paths where it can.
#pragma once
#include <string>

// Turns the last component of a path into its short base name, in place: the
// component loses everything from its first dot on, and a remainder longer
// than 8 characters becomes its first 6 characters + "~1". Directories are
// left alone, so a dot in a directory name (C:\WIN.98\TEMP) never cuts the
// path short.
void MakeShortBaseName(std::string& path);

// Path of the temporary copy of a new file: windowsDirectory + "\TEMP\" +
// short base name of sourceName + ".tmp". Attempt 0 gives the usual name
// (MYLIBRARY.DLL -> MYLIBR~1.tmp). When that name is taken (another file with
// the same first six characters is already waiting there), attempt n > 0
// gives the name with the tail "~<n+1>" instead, cut to 8 characters.
std::string RestartCopyPath(const std::string& windowsDirectory, const std::string& sourceName, int attempt);

// Key of the wininit.ini rename entry for a destination in use. The real
// short path of the destination is the right key (it exists: it is in use);
// when the platform could not give it (empty), the key is derived: the short
// base name of the destination + its own extension cut to 3 characters, so
// that a .ocx or .exe is named as what it is.
std::string RestartRenameTarget(const std::string& destinationPath, const std::string& realShortPath);
