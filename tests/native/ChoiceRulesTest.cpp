#include <gtest/gtest.h>

#include "pages/ChoiceRules.h"
#include "script/SetupRecords.h"

TEST(DestinationRules, FreeSpaceNeedsThreeCharactersAndNamesTheRoot) {
    EXPECT_FALSE(PathNamesDriveRoot(""));
    EXPECT_FALSE(PathNamesDriveRoot("C:"));
    EXPECT_TRUE(PathNamesDriveRoot("C:\\"));
    EXPECT_TRUE(PathNamesDriveRoot("\\\\server\\share"));
    EXPECT_EQ(DriveRootOf("C:\\Program Files\\App\\"), "C:\\");
    EXPECT_EQ(DriveRootOf("C:"), "C:");
}

TEST(DestinationRules, FreeSpaceInWholeKilobytes) {
    EXPECT_EQ(FreeSpaceText(1610612736ull), "1572864 kb");
    EXPECT_EQ(FreeSpaceText(1023), "0 kb");
    EXPECT_EQ(FreeSpaceText(0), "0 kb");
    EXPECT_EQ(FreeSpaceText(0x500000000ull), "20971520 kb");
    EXPECT_EQ(FreeBytesFromClusters(1000, 8, 512), 4096000u);
    // The 32-bit product wraps above 4 GB.
    EXPECT_EQ(FreeBytesFromClusters(0x200000, 8, 512), 0u);
}

TEST(ChoiceRules, ChosenFoldersAndGroups) {
    EXPECT_EQ(InstallDirFromChosenFolder("D:\\Apps", "Demo"), "D:\\Apps\\Demo\\");
    EXPECT_EQ(InstallDirFromChosenFolder("D:\\", "Demo"), "D:\\\\Demo\\");
    EXPECT_EQ(NewProgramGroup("C:\\Start\\Programs", "Demo"), "C:\\Start\\Programs\\Demo\\");
    EXPECT_EQ(NewProgramGroup("C:\\Start\\Programs", ""), "C:\\Start\\Programs\\\\");
}

TEST(ChoiceRules, PageTitleNamesTheApplication) {
    EXPECT_EQ(ChoicePageTitle("Demo [1.0] Setup", "Demo"), "Demo [1.0] Setup");
    EXPECT_EQ(ChoicePageTitle("", "Demo"), "Demo Setup");
    EXPECT_EQ(ChoicePageTitle("", ""), std::nullopt);
}

TEST(SectionsRules, CommandLineSelectsByExactNameOrRefusesUnknown) {
    std::vector<SectionEntry> sections{{"Main", 1, "", 0}, {"Docs", 0, "", 1}, {"Extra Files", 0, "", 0}};
    EXPECT_EQ(SelectSectionsByName(sections, {"Extra Files"}), std::nullopt);
    EXPECT_EQ(sections[0].Selected + sections[1].Selected * 2 + sections[2].Selected * 4, 4);
    EXPECT_EQ(SelectSectionsByName(sections, {"Docs", "docs"}), std::optional<std::string>("docs"));
    EXPECT_EQ(sections[2].Selected, 1) << "a refusal changes nothing";
}
