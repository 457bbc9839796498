#include <gtest/gtest.h>

#include "pages/ChoiceRules.h"

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
