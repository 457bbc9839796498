#include <gtest/gtest.h>

#include "uninstall/PathRules.h"

TEST(JoinPath, ExactlyOneBackslashBetweenDirectoryAndName) {
    EXPECT_EQ(JoinPath("D:\\Games", "a.txt"), "D:\\Games\\a.txt");
    EXPECT_EQ(JoinPath("D:\\Games\\", "a.txt"), "D:\\Games\\a.txt");
    EXPECT_EQ(JoinPath("D:\\Games\\\\\\", "a.txt"), "D:\\Games\\a.txt");
    EXPECT_EQ(JoinPath("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(JoinPath("\\\\server\\share\\", "a.txt"), "\\\\server\\share\\a.txt");
}

TEST(IsFullPath, DriveRootOrServerShare) {
    for (const char* full : {"C:\\", "c:\\Apps\\..\\Dot Dot Games", "D:\\Games", "\\\\server\\share",
                             "\\\\server\\share\\Games\\"})
        EXPECT_TRUE(IsFullPath(full)) << full;
    for (const char* relative : {"", "C:", "C:Games", "Games", "\\Games", "1:\\Games", "\\\\", "\\\\server",
                                 "\\\\server\\", "\\\\\\share", "\\\\server\\\\share", ".\\Games"})
        EXPECT_FALSE(IsFullPath(relative)) << relative;
}
