// Folders of a run's own: new names, and removal of everything inside.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "windows/PrivateFolder_win.h"
#include "windows/SystemPaths_win.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(PrivateFolder, NewFolderRemovedWithItsContents) {
    const std::string parent = TempDirectory() + "PrivateFolderTest";
    CreateDirectoryA(parent.c_str(), nullptr);
    const std::string folder = MakePrivateFolder(parent, "Run-");
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.rfind(parent + "\\Run-", 0), 0u);
    EXPECT_EQ(folder.size(), parent.size() + 1 + 4 + 16);
    EXPECT_NE(MakePrivateFolder(parent, "Run-"), folder) << "a second folder gets a name of its own";

    // Wine keeps no access list on files (it reports one made from the Unix
    // permissions), so the folder's list is not read back here.
    const std::string inner = folder + "\\sub";
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    std::ofstream(folder + "\\a.txt") << "a";
    std::ofstream(inner + "\\b.txt") << "b";
    SetFileAttributesA((inner + "\\b.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    RemoveFolderTree(folder);
    EXPECT_FALSE(Exists(folder));
    RemoveFolderTree(parent);
    EXPECT_FALSE(Exists(parent));
}

} // namespace
