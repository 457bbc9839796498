#include <gtest/gtest.h>

#include <string>

#include "text/ShortNames.h"

namespace {
std::string ShortBase(std::string path) {
    MakeShortBaseName(path);
    return path;
}
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
