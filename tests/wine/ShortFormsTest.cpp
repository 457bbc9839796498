// ShortFileForm gives what GetShortPathNameA gives, with fewer lookups: the
// directory's form is remembered and own short names are not looked up.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/ShortForms_win.h"
#include "tests/wine/InstallTestSupport.h"
#include "windows/SystemPaths_win.h"

using install_test::ScratchDirectory;

namespace {

TEST(ShortFileForm, AgreesWithTheFileSystem) {
    ScratchDirectory scratch;
    const std::string directory = scratch.PathOf("A Long Directory Name");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    for (const char* name : {"A long file name.text", "SETUP.EXE", "lower.dll", "Mixed.Dat"}) {
        const std::string path = directory + "\\" + name;
        ASSERT_TRUE(install_test::WriteTextFile(path, "x"));
        // Twice: the second answer comes with the remembered directory.
        EXPECT_EQ(ShortFileForm(path), ShortPathOf(path)) << name;
        EXPECT_EQ(ShortFileForm(path), ShortPathOf(path)) << name;
    }
}

TEST(ShortFileForm, MissingFileOrDirectoryGivesEmpty) {
    ScratchDirectory scratch;

    EXPECT_EQ(ShortFileForm(scratch.PathOf("missing file.txt")), "");
    EXPECT_EQ(ShortFileForm(scratch.PathOf("missing\\SETUP.EXE")), "");
    // An own short name needs no lookup of its own, only its directory.
    EXPECT_EQ(ShortFileForm(scratch.PathOf("SETUP.EXE")), ShortPathOf(scratch.Path()) + "\\SETUP.EXE");
}

TEST(ShortDirectoryForm, DriveAloneStaysTheRoot) {
    EXPECT_EQ(ShortDirectoryForm("C:"), "C:");
}

}
