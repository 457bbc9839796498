// Writes a bundle's payload from the files of a medium: files that shrink go
// into one solid LZMA stream, the others are stored; the order is the order
// given (the caller puts the lead first), and nothing depends on time or chance.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct PackSource {
    std::string EntryPath; // as the index names it
    std::string HostPath;  // where the builder reads it
};

struct PackFigures {
    uint64_t InputBytes = 0;
    uint64_t PayloadBytes = 0;
    size_t CompressedFiles = 0;
    size_t StoredFiles = 0;
};

struct PayloadWriteResult {
    bool Written = false;
    std::string Error; // when not written
    PackFigures Figures;
};

// level 0 stores every file; 1 to 9 are LZMA levels. scratchPath is a file
// the writer may use for the compressed stream and removes afterwards.
// leadCount: how many files, from the first, setup.exe needs to start.
PayloadWriteResult WritePayload(const std::vector<PackSource>& files, int level, uint32_t leadCount,
                                std::ostream& out, const std::string& scratchPath);
