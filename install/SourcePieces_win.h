// Source pieces of split files, put together in an assembly file of the run's
// own folder (install/AssemblyFolder_win.h), and the expanded size of a file
// entry's source.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "install/CopyPlan.h"
#include "script/SetupRecords.h"

// Appends the entry's source to its assembly file, asking for the entry's
// disk until the source can be read whole, the user ignores it, or quits.
// With AssemblyStart::Empty the assembly file is emptied first (even when
// the piece is then ignored). assemblyPath is always set.
FetchResult FetchSourcePiece(const FileEntry& entry, AssemblyStart start, std::string& assemblyPath);

// The expanded (decompressed) size of the source of Files[position]; 0 when
// it cannot be told, for a piece that is not the last, and after a quit.
uint32_t GetExpandedFileSize(size_t position);
