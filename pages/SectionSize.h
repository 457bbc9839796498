// The sizes of the sections page's rows: for each section, in order, the
// expanded sizes of its files (the entries of Files whose Section equals its
// Name, exactly, in Files order) summed in 64 bits, so that sections beyond
// 2 GiB show their true byte count. One file is sized at a time, so that the
// page can show itself before the last size is known.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "script/SetupRecords.h"

class SectionSizes {
public:
    SectionSizes(const std::vector<SectionEntry>& sections, const std::vector<FileEntry>& files);

    // Sizes the next file of the first unfinished row with expandedSizeOf
    // (a position in Files). Returns the row this step finished, or -1.
    int Step(const std::function<uint32_t(size_t position)>& expandedSizeOf);

    bool Done() const { return row_ >= rows_.size(); }
    uint64_t Size(size_t row) const { return rows_[row].Sum; }
    // The files still to be sized.
    size_t Pending() const { return pending_; }

private:
    struct Row {
        std::vector<size_t> Positions; // in Files
        uint64_t Sum = 0;
    };
    std::vector<Row> rows_;
    size_t row_ = 0;
    size_t next_ = 0; // into rows_[row_].Positions
    size_t pending_ = 0;
};
