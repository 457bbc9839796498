// The size of a section: the expanded sizes of its files, summed in 64 bits
// so that sections beyond 2 GiB show their true byte count.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "script/SetupRecords.h"

// expandedSizeOf(position) gives the expanded size of Files[position].
uint64_t SectionSize(const std::vector<FileEntry>& files, const std::string& sectionName,
                     const std::function<uint32_t(size_t position)>& expandedSizeOf);
