// The copy run: every file of every installed section, in order, with the
// progress bars of the copy page and the shortcuts in the program group.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "install/RunFlow.h"

// Returns nothing when all files were processed, or the 1-based position in
// Files of the entry that stopped the run.
std::optional<int> RunCopy();

// Installs Files[position] and says whether the run goes on; the
// installed path is empty when nothing was installed from this entry (a
// piece that is not the last).
RunFlow InstallFileEntry(size_t position, std::string& installedPath);
