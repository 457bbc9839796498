#include <gtest/gtest.h>

#include <vector>

#include "pages/SectionSize.h"

// Rows in section order, each sizing its own files in Files order (names
// compared exactly), a row without files finishing at once, sums in 64 bits.
TEST(SectionSizes, SizeEachRowsFilesInOrderBeyondTwoGigabytes) {
    std::vector<FileEntry> files(4);
    files[0].Section = "Big";
    files[1].Section = "Other";
    files[2].Section = "Big";
    files[3].Section = "big";
    std::vector<SectionEntry> sections(3);
    sections[0].Name = "Other";
    sections[1].Name = "none";
    sections[2].Name = "Big";
    std::vector<size_t> asked;
    const auto sizeOf = [&](size_t position) -> uint32_t {
        asked.push_back(position);
        return position == 1 ? 7u : 0xF0000000u;
    };
    SectionSizes sizes(sections, files);
    EXPECT_EQ(sizes.Pending(), 3u);
    std::vector<int> finished;
    while (!sizes.Done())
        finished.push_back(sizes.Step(sizeOf));
    EXPECT_EQ(finished, (std::vector<int>{0, 1, -1, 2}));
    EXPECT_EQ(asked, (std::vector<size_t>{1, 0, 2}));
    EXPECT_EQ(sizes.Size(0), 7u);
    EXPECT_EQ(sizes.Size(1), 0u);
    EXPECT_EQ(sizes.Size(2), 2ull * 0xF0000000u);
    EXPECT_EQ(sizes.Pending(), 0u);
    EXPECT_EQ(sizes.Step(sizeOf), -1);
}
