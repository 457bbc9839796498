// Installs one file entry with the version-aware installer: shared files
// where the system recommends, non-shared files at their destination after
// the overwrite question; writes the file's uninstall record.
#pragma once
#include <cstddef>
#include <string>

// sourcePath is the entry's Source, or the assembly file of a split file.
// The entry's Destination must be resolved already (the copy run does it):
// resolving it a second time would read brackets of a literal path, such as
// a typed "C:\Games [2026]\", as references.
// Returns 0 to go on with the next file, 1 to stop the copy run.
int InstallVersionedFile(const std::string& sourcePath, size_t position);
