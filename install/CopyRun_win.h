// The copy run: every file of every installed section, in order, with the
// progress bars of the copy page and the shortcuts in the program group.
#pragma once
#include <cstddef>
#include <string>

// Returns 0 when all files were processed, or the 1-based position in Files
// of the entry that stopped the run.
int RunCopy();

// Installs Files[position]. Returns 0 (go on) or 1 (stop the run); the
// installed path is empty when nothing was installed from this entry (a
// piece that is not the last).
int InstallFileEntry(size_t position, std::string& installedPath);
