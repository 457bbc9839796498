#include <gtest/gtest.h>

#include "uninstall/UninstallEntry.h"

namespace {
const std::string UninstallRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
}

TEST(UninstallEntry, PathsOfLogAndUninstaller) {
    // One backslash between directory and name, however the directory was typed.
    EXPECT_EQ(UninstallLogPath("C:\\Program Files\\Demo\\"), "C:\\Program Files\\Demo\\Uninstall.log");
    EXPECT_EQ(UninstallLogPath("D:\\Games"), "D:\\Games\\Uninstall.log");
    EXPECT_EQ(UninstallCommand("C:\\Program Files\\Demo\\"), "\"C:\\Program Files\\Demo\\TAUninstall.exe\"");
    EXPECT_EQ(UninstallCommand("C:\\APPS\\DEMO\\"), "C:\\APPS\\DEMO\\TAUninstall.exe");
    EXPECT_EQ(UninstallCommand("C:\\APPS\\DEMO"), "C:\\APPS\\DEMO\\TAUninstall.exe");
    EXPECT_EQ(UninstallCommand("C:\\APPS\\DEMO\\\\"), "C:\\APPS\\DEMO\\TAUninstall.exe");
}

TEST(UninstallEntry, KeyPathHoldsTheApplicationName) {
    EXPECT_EQ(UninstallRoot.size(), 52u);
    EXPECT_EQ(UninstallKeyPath("Demo"), UninstallRoot + "Demo");
    EXPECT_EQ(UninstallKeyPath(""), UninstallRoot);
    EXPECT_EQ(UninstallKeyPath("Vendor\\Demo"), UninstallRoot + "Vendor\\Demo");
}

TEST(UninstallEntry, LongApplicationNameFitsTheRegistry) {
    // 247 characters were the old limit of a fixed buffer; longer names are
    // composed whole up to the registry's 255 characters per key name.
    const std::string name300(300, 'N');
    EXPECT_EQ(UninstallKeyPath(std::string(248, 'N')), UninstallRoot + std::string(248, 'N'));
    EXPECT_EQ(UninstallKeyPath(std::string(255, 'N')), UninstallRoot + std::string(255, 'N'));
    EXPECT_EQ(UninstallKeyPath(name300), UninstallRoot + std::string(255, 'N'));
    EXPECT_EQ(UninstallKeyPath(name300 + "\\" + name300 + "\\x"),
              UninstallRoot + std::string(255, 'N') + "\\" + std::string(255, 'N') + "\\x");
}

TEST(UninstallEntry, KeyNamesAreCreatedOneByOne) {
    // The registry calls get one name at a time, never the whole path, so a
    // path longer than their 260-character conversion buffer still works.
    EXPECT_EQ(std::string(UninstallRootKey) + "\\", UninstallRoot);
    EXPECT_EQ(UninstallKeyNames("Demo"), std::vector<std::string>({"Demo"}));
    EXPECT_EQ(UninstallKeyNames(""), std::vector<std::string>({""}));
    EXPECT_EQ(UninstallKeyNames("Vendor\\Demo"), std::vector<std::string>({"Vendor", "Demo"}));
    const std::vector<std::string> cut = UninstallKeyNames(std::string(300, 'N') + "\\" + std::string(256, 'M'));
    EXPECT_EQ(cut, std::vector<std::string>({std::string(255, 'N'), std::string(255, 'M')}));

    // UTF-8 ends before a character that would be split; ANSI bytes are cut at 255.
    std::string greek;
    for (int i = 0; i < 200; ++i)
        greek += "\xCE\xB1";
    EXPECT_EQ(UninstallKeyNames("x" + greek), std::vector<std::string>({"x" + greek.substr(0, 254)}));
    EXPECT_EQ(UninstallKeyNames(greek), std::vector<std::string>({greek.substr(0, 254)}));
    EXPECT_EQ(UninstallKeyNames(std::string(300, '\xE9')), std::vector<std::string>({std::string(255, '\xE9')}));
}

TEST(UninstallEntry, DetailsForDeploymentTools) {
    const UninstallEntryDetails details =
        ComposeEntryDetails("C:\\Program Files\\Demo\\", "Tarvane", 2049, LogDate{3, 7, 2026});
    EXPECT_EQ(details.QuietUninstallString, "\"C:\\Program Files\\Demo\\TAUninstall.exe\" /VERYSILENT");
    EXPECT_EQ(QuietUninstallCommand("C:\\DEMO\\"), "\"C:\\DEMO\\TAUninstall.exe\" /VERYSILENT");
    EXPECT_EQ(details.InstallLocation, "C:\\Program Files\\Demo\\");
    EXPECT_EQ(details.Publisher, "Tarvane");
    EXPECT_EQ(details.EstimatedSizeKb, 3u);
    EXPECT_EQ(details.InstallDate, "20260307");
    EXPECT_EQ(ComposeEntryDetails("C:\\D\\", "", 0, LogDate{}).EstimatedSizeKb, 0u);
    EXPECT_EQ(ComposeEntryDetails("C:\\D\\", "", 1ull << 45, LogDate{}).EstimatedSizeKb, UINT32_MAX);
}
