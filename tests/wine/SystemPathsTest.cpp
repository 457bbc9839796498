// ShortPathOf asks the file system for the 8.3 form; the names themselves
// differ between Windows and Wine, so only their properties are checked.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/wine/InstallTestSupport.h"
#include "windows/SystemPaths_win.h"

using install_test::ScratchDirectory;

namespace {

std::string LastComponent(const std::string& path) {
    return path.substr(path.find_last_of('\\') + 1);
}

TEST(ShortPathOf, LongNameGetsShortFormOfSameFile) {
    ScratchDirectory directory;
    const std::string longPath = directory.PathOf("A rather long file name.text");
    ASSERT_TRUE(install_test::WriteTextFile(longPath, "x"));

    const std::string shortPath = ShortPathOf(longPath);

    ASSERT_FALSE(shortPath.empty());
    const std::string name = LastComponent(shortPath);
    EXPECT_LE(name.size(), 12u) << name;
    EXPECT_EQ(name.find(' '), std::string::npos) << name;
    char longAgain[MAX_PATH] = "";
    ASSERT_GT(GetLongPathNameA(shortPath.c_str(), longAgain, MAX_PATH), 0u);
    EXPECT_EQ(lstrcmpiA(longAgain, longPath.c_str()), 0) << longAgain;
}

TEST(ShortPathOf, MissingFileGivesEmpty) {
    ScratchDirectory directory;

    EXPECT_EQ(ShortPathOf(directory.PathOf("missing.txt")), "");
    EXPECT_EQ(ShortPathOf(""), "");
}

}
