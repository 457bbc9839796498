#include <gtest/gtest.h>

#include "text/IniSyntax.h"

TEST(IniSyntax, ClassifiesLines) {
    EXPECT_EQ(ReadIniLine("[rename]\r\n").Kind, IniLineKind::Header);
    EXPECT_EQ(ReadIniLine("[rename]").SectionName, "rename");
    EXPECT_EQ(ReadIniLine("  [open").SectionName, "open");
    // A "=" before the "[" makes an entry whose value holds the bracket.
    const IniLine entry = ReadIniLine("a=[b]");
    EXPECT_EQ(entry.Kind, IniLineKind::Entry);
    EXPECT_EQ(entry.Key, "a");
    EXPECT_EQ(entry.Value, "[b]");
    EXPECT_EQ(ReadIniLine("[a=b]").SectionName, "a=b");
    EXPECT_EQ(ReadIniLine("; x=y").Kind, IniLineKind::Other);
    EXPECT_EQ(ReadIniLine("no separator").Kind, IniLineKind::Other);
    EXPECT_EQ(ReadIniLine(" k = v ;note").Key, " k ");
    EXPECT_EQ(ReadIniLine(" k = v ;note").Value, " v ");
    EXPECT_EQ(ReadIniLine("k=v\r junk").Value, "v");
    EXPECT_TRUE(SameNameIgnoringCase("Rename", "rENAME"));
    EXPECT_FALSE(SameNameIgnoringCase("rename", "renames"));
}
