// CreateShortcut writes real link files: each is read back through the
// shell's own link object to see what it points at.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "install/Shortcut_win.h"
#include "tests/wine/InstallTestSupport.h"
#include "windows/ComPtr_win.h"

using install_test::FileExists;
using install_test::ScratchDirectory;

namespace {

struct LinkContents {
    HRESULT Loaded = E_FAIL;
    std::string Target;
    std::string Description;
};

LinkContents ReadLink(const std::string& linkPath) {
    LinkContents contents;
    ComPtr<IShellLinkA> link;
    contents.Loaded = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put());
    if (FAILED(contents.Loaded))
        return contents;
    ComPtr<IPersistFile> file;
    contents.Loaded = link->QueryInterface(IID_IPersistFile, file.put());
    if (FAILED(contents.Loaded))
        return contents;
    wchar_t widePath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    contents.Loaded = file->Load(widePath, STGM_READ);
    if (FAILED(contents.Loaded))
        return contents;
    char text[INFOTIPSIZE] = {};
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
        contents.Target = text;
    text[0] = '\0';
    if (SUCCEEDED(link->GetDescription(text, INFOTIPSIZE)))
        contents.Description = text;
    return contents;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }

    // An existing file to point at.
    std::string MakeTarget(const std::string& name) {
        const std::string path = scratch_.PathOf(name);
        EXPECT_TRUE(install_test::WriteTextFile(path, "target"));
        return path;
    }

    ScratchDirectory scratch_;
};

TEST_F(ShortcutTest, WrittenLinkPointsAtTargetWithDescription) {
    const std::string target = MakeTarget("Demo Program.exe");
    const std::string link = scratch_.PathOf("Demo Program.lnk");

    EXPECT_EQ(CreateShortcut(target, link, "Demo Program"), S_OK);

    ASSERT_TRUE(FileExists(link));
    const LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.Loaded, S_OK);
    EXPECT_TRUE(SamePath(contents.Target, target)) << contents.Target;
    EXPECT_EQ(contents.Description, "Demo Program");
}

TEST_F(ShortcutTest, MissingTargetStillGivesLink) {
    // A shared file may have gone to another directory than its entry says;
    // the link is written all the same.
    const std::string target = scratch_.PathOf("not-installed.dll");
    const std::string link = scratch_.PathOf("Library.lnk");

    EXPECT_EQ(CreateShortcut(target, link, "Library"), S_OK);

    const LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.Loaded, S_OK);
    EXPECT_TRUE(SamePath(contents.Target, target)) << contents.Target;
    EXPECT_EQ(contents.Description, "Library");
}

TEST_F(ShortcutTest, MissingFolderFailsAndWritesNothing) {
    const std::string link = scratch_.PathOf("no such group\\Demo.lnk");

    const HRESULT result = CreateShortcut(MakeTarget("demo.exe"), link, "Demo");

    EXPECT_TRUE(FAILED(result)) << std::hex << result;
    EXPECT_FALSE(FileExists(link));
}

TEST_F(ShortcutTest, SecondLinkOfSameNameReplacesFirst) {
    const std::string link = scratch_.PathOf("Demo.lnk");
    ASSERT_EQ(CreateShortcut(MakeTarget("first.exe"), link, "First"), S_OK);
    const std::string second = MakeTarget("second.exe");

    EXPECT_EQ(CreateShortcut(second, link, "Second"), S_OK);

    const LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.Loaded, S_OK);
    EXPECT_TRUE(SamePath(contents.Target, second)) << contents.Target;
    EXPECT_EQ(contents.Description, "Second");
}

TEST_F(ShortcutTest, LinkPathMustStayUnderPathLimit) {
    const std::string target = MakeTarget("demo.exe");
    // Names that make the whole link path 259 and 260 characters long.
    const size_t room = 259 - scratch_.Path().size() - 1 - 4;
    ASSERT_LT(room, 250u);
    const std::string longest = scratch_.PathOf(std::string(room, 'a') + ".lnk");
    const std::string tooLong = scratch_.PathOf(std::string(room + 1, 'b') + ".lnk");
    ASSERT_EQ(longest.size(), 259u);
    ASSERT_EQ(tooLong.size(), 260u);

    EXPECT_EQ(CreateShortcut(target, longest, "Longest"), S_OK);
    EXPECT_TRUE(FileExists(longest));
    EXPECT_EQ(ReadLink(longest).Description, "Longest");

    EXPECT_EQ(CreateShortcut(target, tooLong, "Too long"), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(CreateShortcut(target, "", "Nameless"), E_INVALIDARG);
}

TEST_F(ShortcutTest, NonAsciiLinkNameLandsUnderItsAnsiName) {
    // The name is converted with the ANSI code page, as every other narrow
    // call of the program converts it; 0x80 (the euro sign in code page
    // 1252) tells that apart from a plain Latin-1 widening.
    const std::string link = scratch_.PathOf("Caf\xE9 \x80 Men\xFC.lnk");

    EXPECT_EQ(CreateShortcut(MakeTarget("cafe.exe"), link, "Caf\xE9"), S_OK);

    EXPECT_TRUE(FileExists(link));
    EXPECT_EQ(ReadLink(link).Description, "Caf\xE9");
}

}
