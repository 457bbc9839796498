// ReplaceFileAtRestart on Windows NT: the new file is copied into the
// Windows temporary directory and a delayed move is requested; an older new
// file or a file without version information schedules nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/RestartReplace_win.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/InstallVersionedFileTestSupport.h"
#include "windows/SystemPaths_win.h"

using namespace install_test;

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

class RestartReplace : public ::testing::Test {
protected:
    ScratchDirectory files_;
    PendingRenames pending_;
    WindowsTempFiles copies_{"*.tmp"};
    std::string wininitBefore_ = FileBytesOf(WindowsDirectory() + "\\wininit.ini").value_or("<none>");

    std::string FileInUse(const std::string& fixture, const std::string& name) {
        const std::string path = files_.PathOf(name);
        EXPECT_TRUE(CopyFileA(FixturePath(fixture).c_str(), path.c_str(), FALSE));
        return path;
    }

    // The requested move whose target is destination; its source is a copy
    // in the Windows temporary directory.
    std::string ScheduledCopyFor(const std::string& destination) {
        for (const PendingRename& rename : pending_.Added()) {
            if (SamePath(rename.To, "!\\??\\" + destination) && rename.From.rfind("\\??\\", 0) == 0)
                return rename.From.substr(4);
        }
        return std::string();
    }
};

// Only the major and minor version count: 2.0.0.5 replaces 2.0.0.0.
TEST_F(RestartReplace, NewerBuildIsScheduledThroughDelayedMove) {
    const std::string destination = FileInUse("ver20.dll", "library.dll");
    DialogWatcher watcher({});

    EXPECT_EQ(ReplaceFileAtRestart(FixturePath("ver2005.dll"), destination, "ver2005.dll"), RestartReplacement::Handled);

    EXPECT_TRUE(watcher.Finish().empty());
    const std::string copy = ScheduledCopyFor(destination);
    ASSERT_FALSE(copy.empty());
    EXPECT_TRUE(SamePath(copy, WindowsDirectory() + "\\TEMP\\ver2005.tmp")) << copy;
    EXPECT_EQ(VersionLSOf(copy), 5u);
    EXPECT_EQ(VersionLSOf(destination), 0u);
    EXPECT_EQ(FileBytesOf(WindowsDirectory() + "\\wininit.ini").value_or("<none>"), wininitBefore_);
}

TEST_F(RestartReplace, OlderNewFileSchedulesNothing) {
    const std::string destination = FileInUse("ver20.dll", "library.dll");
    DialogWatcher watcher({});

    EXPECT_EQ(ReplaceFileAtRestart(FixturePath("ver19.dll"), destination, "ver19.dll"), RestartReplacement::Handled);

    EXPECT_TRUE(watcher.Finish().empty());
    EXPECT_TRUE(pending_.Added().empty());
    EXPECT_TRUE(copies_.Added().empty());
}

TEST_F(RestartReplace, FileWithoutVersionGivesOne) {
    const std::string data = FileInUse("plain.dat", "data.dll");
    const std::string library = FileInUse("ver20.dll", "library.dll");

    EXPECT_EQ(ReplaceFileAtRestart(FixturePath("ver2005.dll"), data, "ver2005.dll"), RestartReplacement::NoVersionInfo);
    EXPECT_EQ(ReplaceFileAtRestart(FixturePath("plain.dat"), library, "plain.dat"), RestartReplacement::NoVersionInfo);

    EXPECT_TRUE(pending_.Added().empty());
    EXPECT_TRUE(copies_.Added().empty());
}

// MYLIBRARY1.DLL and MYLIBRARY2.DLL share the short name MYLIBR~1: the
// second must not overwrite the first one's waiting copy.
TEST_F(RestartReplace, NamesWithSameFirstSixLettersGetTheirOwnCopies) {
    ScratchDirectory sources;
    const std::string first = sources.PathOf("MYLIBRARY1.DLL");
    const std::string second = sources.PathOf("MYLIBRARY2.DLL");
    ASSERT_TRUE(CopyFileA(FixturePath("ver2005.dll").c_str(), first.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(FixturePath("ver20.dll").c_str(), second.c_str(), FALSE));
    const std::string firstTarget = FileInUse("ver19.dll", "first.dll");
    const std::string secondTarget = FileInUse("ver19.dll", "second.dll");

    EXPECT_EQ(ReplaceFileAtRestart(first, firstTarget, "MYLIBRARY1.DLL"), RestartReplacement::Handled);
    EXPECT_EQ(ReplaceFileAtRestart(second, secondTarget, "MYLIBRARY2.DLL"), RestartReplacement::Handled);

    const std::string firstCopy = ScheduledCopyFor(firstTarget);
    const std::string secondCopy = ScheduledCopyFor(secondTarget);
    ASSERT_FALSE(firstCopy.empty());
    ASSERT_FALSE(secondCopy.empty());
    EXPECT_FALSE(SamePath(firstCopy, secondCopy));
    EXPECT_EQ(VersionLSOf(firstCopy), 5u);
    EXPECT_EQ(VersionLSOf(secondCopy), 0u);
    EXPECT_EQ(copies_.Added().size(), 2u);
}

}
