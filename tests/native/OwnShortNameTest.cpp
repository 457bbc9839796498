#include <gtest/gtest.h>

#include "install/OwnShortName.h"

TEST(IsOwnShortName, UpperCaseEightDotThreeNamesAre) {
    for (const char* name : {"A", "SETUP.EXE", "F0000001.DAT", "README", "MY-LIB~1.DLL", "X.Y", "(C)_$!.{}"})
        EXPECT_TRUE(IsOwnShortName(name)) << name;
}

TEST(IsOwnShortName, LongLowerCaseOrOddNamesAreNot) {
    for (const char* name : {"", ".", "..", ".DAT", "DATA.", "NINECHARS.DAT", "SETUP.EXEC", "A.B.C", "readme.txt",
                             "ReadMe.TXT", "MY FILE.TXT", "A+B.DLL", "A,B", "A;B", "A=B", "[A].DLL", "\xC4PFEL.DAT"})
        EXPECT_FALSE(IsOwnShortName(name)) << name;
}
