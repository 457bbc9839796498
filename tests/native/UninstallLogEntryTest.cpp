#include <gtest/gtest.h>

#include "uninstall/UninstallEntry.h"

namespace {
const std::string UninstallRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
}

TEST(UninstallEntry, PathsOfLogAndUninstaller) {
    EXPECT_EQ(UninstallLogPath("C:\\Program Files\\Demo\\"), "C:\\Program Files\\Demo\\\\Uninstall.log");
    EXPECT_EQ(UninstallCommand("C:\\Program Files\\Demo\\"), "\"C:\\Program Files\\Demo\\TAUninstall.exe\"");
    EXPECT_EQ(UninstallCommand("C:\\APPS\\DEMO\\"), "C:\\APPS\\DEMO\\TAUninstall.exe");
    EXPECT_EQ(UninstallCommand("C:\\APPS\\DEMO"), "C:\\APPS\\DEMOTAUninstall.exe");
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
