#include <gtest/gtest.h>

#include <vector>

#include "pages/SectionSize.h"

TEST(SectionSizeSum, AddsTheSectionsFilesBeyondTwoGigabytes) {
    std::vector<FileEntry> files(4);
    files[0].Section = "Big";
    files[1].Section = "Other";
    files[2].Section = "Big";
    files[3].Section = "big";
    const auto sizeOf = [](size_t position) -> uint32_t { return position == 1 ? 7u : 0xF0000000u; };
    EXPECT_EQ(SectionSize(files, "Big", sizeOf), 2ull * 0xF0000000u);
    EXPECT_EQ(SectionSize(files, "Other", sizeOf), 7u);
    EXPECT_EQ(SectionSize(files, "none", sizeOf), 0u);
}
