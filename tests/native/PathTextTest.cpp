#include <gtest/gtest.h>

#include "install/PathText.h"
#include "install/ShortNames.h"

namespace {
std::string Collapsed(std::string path) {
    CollapseBackslashes(path);
    return path;
}

std::string ShortBase(std::string path) {
    MakeShortBaseName(path);
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

TEST(MakeShortBaseName, CutsExtensionAndShortensLongNames) {
    EXPECT_EQ(ShortBase("C:\\WINDOWS\\TEMP\\MYLIBRARY.DLL"), "C:\\WINDOWS\\TEMP\\MYLIBR~1");
    EXPECT_EQ(ShortBase("C:\\WINDOWS\\SYSTEM\\GRAPHICS.DLL"), "C:\\WINDOWS\\SYSTEM\\GRAPHICS");
    EXPECT_EQ(ShortBase("C:\\W\\NINECHARS"), "C:\\W\\NINECH~1");
    EXPECT_EQ(ShortBase("C:\\W\\archive.tar.gz"), "C:\\W\\archive");
}

TEST(MakeShortBaseName, DotInDirectoryDoesNotCutThePath) {
    EXPECT_EQ(ShortBase("C:\\WIN.98\\TEMP\\MYLIBRARY.DLL"), "C:\\WIN.98\\TEMP\\MYLIBR~1");
}

TEST(RestartCopyPath, FirstNameAndDistinctLaterNames) {
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "MYLIBRARY.DLL", 0), "C:\\WINDOWS\\TEMP\\MYLIBR~1.tmp");
    // MYLIBRARY1.DLL and MYLIBRARY2.DLL meet in MYLIBR~1.tmp; the second one
    // moves on to another name.
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "MYLIBRARY2.DLL", 1), "C:\\WINDOWS\\TEMP\\MYLIBR~2.tmp");
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "GRAPHICS.DLL", 0), "C:\\WINDOWS\\TEMP\\GRAPHICS.tmp");
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "GRAPHICS.DLL", 1), "C:\\WINDOWS\\TEMP\\GRAPHI~2.tmp");
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "A.DLL", 11), "C:\\WINDOWS\\TEMP\\A~12.tmp");
    EXPECT_EQ(RestartCopyPath("C:\\WINDOWS", "LONGLIBRARY.DLL", 11), "C:\\WINDOWS\\TEMP\\LONGL~12.tmp");
}

TEST(RestartRenameTarget, PrefersTheRealShortPath) {
    EXPECT_EQ(RestartRenameTarget("C:\\WINDOWS\\SYSTEM\\MYLIBRARY.DLL", "C:\\WINDOWS\\SYSTEM\\MYLIBR~2.DLL"),
              "C:\\WINDOWS\\SYSTEM\\MYLIBR~2.DLL");
}

TEST(RestartRenameTarget, FallbackKeepsTheFilesOwnExtension) {
    EXPECT_EQ(RestartRenameTarget("C:\\WINDOWS\\SYSTEM\\MYLIBRARY.DLL", ""), "C:\\WINDOWS\\SYSTEM\\MYLIBR~1.DLL");
    EXPECT_EQ(RestartRenameTarget("C:\\WINDOWS\\SYSTEM\\GRAPHICS.ocx", ""), "C:\\WINDOWS\\SYSTEM\\GRAPHICS.ocx");
    EXPECT_EQ(RestartRenameTarget("C:\\W\\viewer.control.html", ""), "C:\\W\\viewer.htm");
    EXPECT_EQ(RestartRenameTarget("C:\\W\\README", ""), "C:\\W\\README");
    EXPECT_EQ(RestartRenameTarget("C:\\W\\odd.", ""), "C:\\W\\odd");
}
