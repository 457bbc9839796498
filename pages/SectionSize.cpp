#include "pages/SectionSize.h"

#include <map>

SectionSizes::SectionSizes(const std::vector<SectionEntry>& sections, const std::vector<FileEntry>& files) {
    std::map<std::string, std::vector<size_t>> positionsOf;
    for (size_t position = 0; position < files.size(); ++position)
        positionsOf[files[position].Section].push_back(position);
    for (const SectionEntry& section : sections) {
        Row row;
        const auto found = positionsOf.find(section.Name);
        if (found != positionsOf.end())
            row.Positions = found->second;
        pending_ += row.Positions.size();
        rows_.push_back(std::move(row));
    }
}

int SectionSizes::Step(const std::function<uint32_t(size_t position)>& expandedSizeOf) {
    if (Done())
        return -1;
    Row& row = rows_[row_];
    if (next_ < row.Positions.size()) {
        row.Sum += expandedSizeOf(row.Positions[next_++]);
        --pending_;
    }
    if (next_ < row.Positions.size())
        return -1;
    next_ = 0;
    return static_cast<int>(row_++);
}
