// Installs one file entry with the version-aware installer: shared files
// where the system recommends, non-shared files at their destination after
// the overwrite question; writes the file's uninstall record.
#pragma once
#include <cstddef>
#include <string>

#include "install/RunFlow.h"

// sourcePath is the entry's Source, or the assembly file of a split file.
// The entry's Destination must be resolved already (the copy run does it):
// resolving it a second time would read brackets of a literal path, such as
// a typed "C:\Games [2026]\", as references.
RunFlow InstallVersionedFile(const std::string& sourcePath, size_t position);
