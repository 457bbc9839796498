#include <gtest/gtest.h>

#include "text/PathText.h"

namespace {
std::string Collapsed(std::string path) {
    CollapseBackslashes(path);
    return path;
}
}

TEST(CollapseBackslashes, RunsOfOneToFiveKeepHalfRoundedUp) {
    EXPECT_EQ(Collapsed("a\\b"), "a\\b");
    EXPECT_EQ(Collapsed("a\\\\b"), "a\\b");
    EXPECT_EQ(Collapsed("a\\\\\\b"), "a\\\\b");
    EXPECT_EQ(Collapsed("a\\\\\\\\b"), "a\\\\b");
    EXPECT_EQ(Collapsed("a\\\\\\\\\\b"), "a\\\\\\b");
}

TEST(CollapseBackslashes, LeadingTrailingAndRepeatedPairs) {
    EXPECT_EQ(Collapsed("\\\\server\\share"), "\\server\\share");
    EXPECT_EQ(Collapsed("C:\\Program Files\\Demo\\\\bin\\\\x.exe"), "C:\\Program Files\\Demo\\bin\\x.exe");
    EXPECT_EQ(Collapsed("C:\\dir\\\\"), "C:\\dir\\");
    EXPECT_EQ(Collapsed("\\\\"), "\\");
    EXPECT_EQ(Collapsed(""), "");
    // Applying it again keeps reducing what one pass left behind.
    EXPECT_EQ(Collapsed(Collapsed("a\\\\\\\\b")), "a\\b");
}

TEST(PathText, FileNamePartAndSplit) {
    EXPECT_EQ(FileNamePart("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(FileNamePart("[DP]data.bin"), "[DP]data.bin");
    EXPECT_EQ(FileNamePart("C:\\dir\\"), "");
    const PathSplit split = SplitAtLastBackslash("C:\\PROGRA~1\\DEMO\\DEMO.EXE");
    EXPECT_EQ(split.Directory, "C:\\PROGRA~1\\DEMO");
    EXPECT_EQ(split.Name, "DEMO.EXE");
    const PathSplit bare = SplitAtLastBackslash("DEMO.EXE");
    EXPECT_EQ(bare.Directory, "");
    EXPECT_EQ(bare.Name, "DEMO.EXE");
}

TEST(PathText, DirectoryDestinationsGetTheSourceName) {
    std::string destination = "C:\\Program Files\\Demo\\";
    CompleteDirectoryDestination(destination, "D:\\medium\\files\\ReadMe.txt");
    EXPECT_EQ(destination, "C:\\Program Files\\Demo\\ReadMe.txt");
    std::string file = "C:\\Demo\\app.exe";
    CompleteDirectoryDestination(file, "D:\\x\\other.exe");
    EXPECT_EQ(file, "C:\\Demo\\app.exe");
    std::string bare = "C:\\Demo\\";
    CompleteDirectoryDestination(bare, "plain.txt");
    EXPECT_EQ(bare, "C:\\Demo\\plain.txt");
}

TEST(PathText, NormalizedPathsAndTheirFolders) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Demo\\..\\Common\\x.dll", "C:\\Program Files\\Common\\x.dll"},
        {"C:/Apps//Maker\\.\\Product\\", "C:\\Apps\\Maker\\Product"},
        {"C:\\..\\..\\Windows", "C:\\Windows"},
        {"C:\\", "C:\\"},
        {"c:\\a\\..", "c:\\"},
        {"\\\\srv\\share\\..\\..\\x", "\\\\srv\\share\\x"},
        {"\\\\srv\\share", "\\\\srv\\share"},
        {"relative\\x", ""},
        {"\\rooted", ""},
        {"C:drive-relative", ""},
        {"\\\\srv", ""},
        {"\\\\\\x", ""},
        {"\\\\?\\C:\\x", ""},
        {"\\\\.\\PhysicalDrive0", ""},
        {"/\\..\\share\\x", ""},
        {"\\\\srv\\..\\x", ""},
    };
    for (const auto& [path, normal] : cases)
        EXPECT_EQ(NormalizedPath(path), normal) << path;

    EXPECT_EQ(FolderLevels("C:\\Apps\\Maker\\Product"),
              (std::vector<std::string>{"C:\\Apps", "C:\\Apps\\Maker", "C:\\Apps\\Maker\\Product"}));
    EXPECT_EQ(FolderLevels("\\\\srv\\share\\A\\B"),
              (std::vector<std::string>{"\\\\srv\\share\\A", "\\\\srv\\share\\A\\B"}));
    EXPECT_TRUE(FolderLevels("C:\\").empty());
    EXPECT_TRUE(FolderLevels("\\\\srv\\share").empty());

    const std::string made = NormalizedPath("C:\\Program Files\\Demo\\");
    EXPECT_TRUE(IsInsideFolder(NormalizedPath("C:\\Program Files\\Demo\\sub\\x.dll"), made));
    EXPECT_TRUE(IsInsideFolder(made, made));
    EXPECT_FALSE(IsInsideFolder(NormalizedPath("C:\\Program Files\\Demo\\..\\Common\\x.dll"), made));
    EXPECT_FALSE(IsInsideFolder(NormalizedPath("C:\\Program Files\\Demo2\\x.dll"), made));
    EXPECT_TRUE(IsInsideFolder("C:\\x", "C:\\"));
    EXPECT_FALSE(IsInsideFolder("C:\\x", ""));
}
