#include "setuppack/LeadOrder.h"

#include <algorithm>

#include "bundle/EntryPath.h"

bool BelongsToLead(const std::string& entryPath, uint64_t size) {
    if (entryPath.find('\\') != std::string::npos)
        return false;
    return FoldedEntryPath(entryPath) == "SETUP.EXE" || size <= kLargestLeadFile;
}

size_t PutLeadFirst(std::vector<PackSource>& files, const std::function<uint64_t(const std::string&)>& sizeOf) {
    const auto lead = std::stable_partition(files.begin(), files.end(), [&sizeOf](const PackSource& file) {
        return BelongsToLead(file.EntryPath, sizeOf(file.HostPath));
    });
    return static_cast<size_t>(lead - files.begin());
}
