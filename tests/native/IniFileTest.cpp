#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "text/IniFile.h"

namespace {
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs KeysOf(const IniFile& ini, const std::string& section) {
    const auto found = ini.Sections().find(section);
    if (found == ini.Sections().end())
        return {};
    return Pairs(found->second.begin(), found->second.end());
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "h3_ini_" + name;
}
}

TEST(IniFile, ReadsMessyText) {
    IniFile ini;
    ini.LoadText(
        "orphan=dropped\r\n"
        "; a comment\r\n"
        "[rename]\r\n"
        "NUL=C:\\old1.tmp\r\n"
        "just text\r\n"
        "C:\\A.dll=C:\\T\\A.tmp ; why\r\n"
        "NUL=C:\\old2.tmp\n"
        "[]\n"
        "lost=1\n"
        "[open\n"
        "k=v");
    EXPECT_EQ(KeysOf(ini, "rename"), (Pairs{{"NUL", "C:\\old2.tmp"}, {"C:\\A.dll", "C:\\T\\A.tmp "}}));
    EXPECT_EQ(KeysOf(ini, "open"), (Pairs{{"k", "v"}}));
    EXPECT_EQ(ini.Sections().size(), 2u);
}

TEST(IniFile, LongLineIsOneLine) {
    // The tail of a long line must not become a section or an entry of its own.
    const std::string longValue(5000, 'x');
    IniFile ini;
    ini.LoadText("[s]\nk=" + longValue + "[t]\n");
    EXPECT_EQ(KeysOf(ini, "s"), (Pairs{{"k", longValue + "[t]"}}));
    EXPECT_EQ(ini.Sections().size(), 1u);
}

TEST(IniFile, KeysShorterFirstThenBytes) {
    IniFile ini;
    ini.Set("rename", "C:\\WINDOWS\\A.dll", "1");
    ini.Set("rename", "C:\\Z.dll", "2");
    ini.Set("rename", "C:\\B.dll", "3");
    ini.Set("Alpha", "k", "v");
    EXPECT_EQ(ini.ToText(),
              "[Alpha]\r\nk=v\r\n\r\n"
              "[rename]\r\nC:\\B.dll=3\r\nC:\\Z.dll=2\r\nC:\\WINDOWS\\A.dll=1\r\n\r\n");
}

TEST(IniFile, SetReplacesOnlyTheExactKey) {
    IniFile ini;
    ini.LoadText("[rename]\r\nC:\\Z.dll=old\r\n\r\n");
    ini.Set("rename", "C:\\Z.dll", "new");
    ini.Set("rename", "c:\\z.dll", "other");
    EXPECT_EQ(KeysOf(ini, "rename"), (Pairs{{"C:\\Z.dll", "new"}, {"c:\\z.dll", "other"}}));
}

TEST(IniFile, LoadResults) {
    IniFile ini;
    ini.Set("s", "k", "v");
    EXPECT_EQ(ini.Load(""), IniFile::EmptyPath);
    EXPECT_TRUE(ini.Sections().empty());

    ini.Set("s", "k", "v");
    EXPECT_EQ(ini.Load(TempPath("missing.ini")), IniFile::CannotRead);
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_EQ(ini.Path(), TempPath("missing.ini"));

    // A directory opens but cannot be read.
    EXPECT_EQ(ini.Load(::testing::TempDir()), IniFile::CannotRead);
}

TEST(IniFile, SaveWritesCrLfAndLoadsBack) {
    const std::string path = TempPath("roundtrip.ini");
    IniFile ini;
    ini.Set("rename", "C:\\WINDOWS\\SYSTEM\\MYLIBR~1.dll", "C:\\WINDOWS\\TEMP\\MYLIBR~1.tmp");
    ASSERT_TRUE(ini.Save(path));
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, "[rename]\r\nC:\\WINDOWS\\SYSTEM\\MYLIBR~1.dll=C:\\WINDOWS\\TEMP\\MYLIBR~1.tmp\r\n\r\n");

    IniFile again;
    ASSERT_EQ(again.Load(path), IniFile::Loaded);
    EXPECT_EQ(again.ToText(), bytes);
    std::remove(path.c_str());
}

TEST(IniFile, SaveFailureIsReported) {
    IniFile ini;
    ini.Set("s", "k", "v");
    EXPECT_FALSE(ini.Save(TempPath("no_such_dir/x.ini")));
}
