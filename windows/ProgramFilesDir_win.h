// Reads "ProgramFilesDir", the basis of the installation directory.
#pragma once
#include <string>

// Returns false (after telling the user) when the key opens but the value
// cannot be read. A key that cannot be opened leaves path empty.
bool ReadProgramFilesDir(std::string& path);
