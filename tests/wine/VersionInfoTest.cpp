// ReadVersionInfo on the built fixtures: version halves, translation entry
// and the English language name, and the files that have no version at all.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/VersionInfo_win.h"
#include "tests/wine/InstallTestSupport.h"

using install_test::FixturePath;

namespace {

TEST(ReadVersionInfo, EnglishLibraryGivesVersionTranslationAndName) {
    const auto info = ReadVersionInfo(FixturePath("ver19.dll"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->FileVersionMS, 0x00010009u); // 1.9
    EXPECT_EQ(info->FileVersionLS, 0u);
    EXPECT_EQ(info->Language, 1033);
    EXPECT_EQ(info->CodePage, 1252);
    EXPECT_EQ(info->LanguageName, "English");
}

TEST(ReadVersionInfo, GermanLibraryAndProgramGiveGerman) {
    for (const char* name : {"german.dll", "german.exe"}) {
        const auto info = ReadVersionInfo(FixturePath(name));
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info->FileVersionMS, 0x00020000u) << name;
        EXPECT_EQ(info->Language, 1031) << name;
        EXPECT_EQ(info->CodePage, 1252) << name;
        EXPECT_EQ(info->LanguageName, "German") << name;
    }
}

TEST(ReadVersionInfo, HalvesHoldMajorMinorAndBuildRevision) {
    const auto info = ReadVersionInfo(FixturePath("ver2005.dll"));
    ASSERT_TRUE(info);
    EXPECT_EQ(HIWORD(info->FileVersionMS), 2);
    EXPECT_EQ(LOWORD(info->FileVersionMS), 0);
    EXPECT_EQ(HIWORD(info->FileVersionLS), 0);
    EXPECT_EQ(LOWORD(info->FileVersionLS), 5);

    const auto program = ReadVersionInfo(FixturePath("ver2005.exe"));
    ASSERT_TRUE(program);
    EXPECT_EQ(program->FileVersionMS, info->FileVersionMS);
    EXPECT_EQ(program->FileVersionLS, info->FileVersionLS);
}

TEST(ReadVersionInfo, ResourceWithoutTranslationGivesVersionAndNoLanguage) {
    const auto info = ReadVersionInfo(FixturePath("notrans.dll"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->FileVersionMS, 0x00030001u);
    EXPECT_EQ(info->Language, 0);
    EXPECT_EQ(info->CodePage, 0);
    EXPECT_EQ(info->LanguageName, "");
}

TEST(ReadVersionInfo, FilesWithoutVersionResourceGiveNothing) {
    ASSERT_TRUE(install_test::FileExists(FixturePath("plain.dat")));
    EXPECT_FALSE(ReadVersionInfo(FixturePath("plain.dat")));
    EXPECT_FALSE(ReadVersionInfo(FixturePath("no-such-file.dll")));
    EXPECT_FALSE(ReadVersionInfo(""));
}

}
