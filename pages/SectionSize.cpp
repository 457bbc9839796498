#include "pages/SectionSize.h"

uint64_t SectionSize(const std::vector<FileEntry>& files, const std::string& sectionName,
                     const std::function<uint32_t(size_t position)>& expandedSizeOf) {
    uint64_t total = 0;
    for (size_t position = 0; position < files.size(); ++position) {
        if (files[position].Section == sectionName)
            total += expandedSizeOf(position);
    }
    return total;
}
