// Non-shared files through InstallVersionedFile: the file keeps its long
// name and is recorded in 8.3 form; an existing file is only replaced after
// the overwrite question and is never emptied when nothing replaces it;
// paths too long for the installer fail clearly; a file in use stops.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/InstallVersionedFile_win.h"
#include "resources/resource.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/InstallVersionedFileTestSupport.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

using namespace install_test;

namespace {

const char kUserBytes[] = "the user's own settings\r\n";

class NonSharedInstall : public ::testing::Test {
protected:
    ScratchDirectory application_;
    EngineState engine_{application_.Path()};

    RunFlow Install(const std::string& source, const std::string& destination) {
        return InstallVersionedFile(source, engine_.AddFile(source, destination, false, 3));
    }

    static std::string Record(const std::string& path) { return ShortPathOf(path) + "\r\nNONSHARED\r\n"; }
};

TEST_F(NonSharedInstall, NewFileKeepsLongNameAndIsRecordedShort) {
    const std::string directory = application_.PathOf("Program Folder");
    const std::string destination = directory + "\\Read Me First.text";
    DialogWatcher watcher({});

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination), RunFlow::GoOn);

    EXPECT_TRUE(watcher.Finish().empty());
    EXPECT_EQ(FileNamesIn(directory), std::vector<std::string>{"Read Me First.text"});
    EXPECT_EQ(FileBytesOf(destination), FileBytesOf(FixturePath("plain.dat")));
    const std::string shortPath = ShortPathOf(destination);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
    EXPECT_NE(shortPath.substr(shortPath.rfind('\\')), "\\Read Me First.text");
    EXPECT_EQ(engine_.Log(), shortPath + "\r\nNONSHARED\r\n");
}

TEST_F(NonSharedInstall, DoubledBackslashesAreInstalledAndRecordedSingle) {
    const std::string destination = application_.Path() + "\\\\Data\\\\values.dat";

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination), RunFlow::GoOn);

    const std::string single = application_.PathOf("Data\\values.dat");
    EXPECT_TRUE(FileExists(single));
    EXPECT_EQ(engine_.Log(), Record(single));
    EXPECT_EQ(engine_.Log().find("\\\\"), std::string::npos) << engine_.Log();
}

class ExistingDestination : public NonSharedInstall {
protected:
    std::string destination_;

    void SetUp() override {
        destination_ = application_.PathOf("Settings File.ini");
        ASSERT_TRUE(WriteTextFile(destination_, kUserBytes));
    }
};

TEST_F(ExistingDestination, AnsweredNoStaysByteIdentical) {
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_NO}), {IDC_OVERWRITE_PATH});

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination_), RunFlow::GoOn);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Overwrite file");
    EXPECT_EQ(seen[0].Owner, engine_.CopyPage());
    EXPECT_EQ(seen[0].Fields.at(IDC_OVERWRITE_PATH), destination_);
    EXPECT_EQ(FileBytesOf(destination_), std::string(kUserBytes));
    EXPECT_EQ(FileNamesIn(application_.Path()), std::vector<std::string>{"Settings File.ini"});
    EXPECT_EQ(engine_.Log(), "");
}

TEST_F(ExistingDestination, AnsweredYesIsReplaced) {
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_YES}));

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination_), RunFlow::GoOn);

    EXPECT_EQ(watcher.Finish().size(), 1u);
    EXPECT_EQ(FileBytesOf(destination_), FileBytesOf(FixturePath("plain.dat")));
    EXPECT_EQ(engine_.Log(), Record(destination_));
    EXPECT_EQ(TheState().OverwriteAll, 0);
}

TEST_F(ExistingDestination, OverwriteEveryFileIsNotAskedAgain) {
    const std::string second = application_.PathOf("second.ini");
    ASSERT_TRUE(WriteTextFile(second, kUserBytes));
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_ALL}));

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination_), RunFlow::GoOn);
    EXPECT_EQ(Install(FixturePath("plain.dat"), second), RunFlow::GoOn);

    EXPECT_EQ(watcher.Finish().size(), 1u);
    EXPECT_EQ(TheState().OverwriteAll, 1);
    EXPECT_EQ(TheState().InstallAll, 1);
    EXPECT_EQ(FileBytesOf(second), FileBytesOf(FixturePath("plain.dat")));
    EXPECT_EQ(engine_.Log(), Record(destination_) + Record(second));
}

// The source's disk is missing and the user ignores the prompt: the existing
// file must keep its bytes (it used to be emptied before the installer ran).
TEST_F(ExistingDestination, KeepsItsBytesWhenTheSourceIsIgnored) {
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_YES, IDIGNORE}));

    EXPECT_EQ(Install(application_.PathOf("missing\\absent.dll"), destination_), RunFlow::GoOn);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].Text.rfind("Please insert disk 3 in order to continue setup.", 0), 0u) << seen[1].Text;
    EXPECT_EQ(seen[1].Caption, "absent.dll");
    EXPECT_EQ(seen[1].Owner, engine_.MainWindow());
    EXPECT_EQ(FileBytesOf(destination_), std::string(kUserBytes));
    EXPECT_EQ(FileNamesIn(application_.Path()), std::vector<std::string>{"Settings File.ini"});
    EXPECT_EQ(engine_.Log(), "");
}

TEST_F(NonSharedInstall, IgnoredSourceLeavesNoFileBehind) {
    const std::string destination = application_.PathOf("New Folder\\new file.dll");
    DialogWatcher watcher(Clicks({IDIGNORE}));

    EXPECT_EQ(Install(application_.PathOf("missing\\absent.dll"), destination), RunFlow::GoOn);

    EXPECT_EQ(watcher.Finish().size(), 1u);
    EXPECT_TRUE(FileNamesIn(application_.PathOf("New Folder")).empty());
    EXPECT_EQ(engine_.Log(), "");
}

// The disk is inserted while the prompt waits; Retry then installs the file.
TEST_F(NonSharedInstall, RetryAfterInsertingTheDiskInstalls) {
    const std::string disk = application_.PathOf("disk2");
    const std::string destination = application_.PathOf("Installed\\library.dll");
    const auto insertDisk = [&] {
        CreateDirectoryA(disk.c_str(), nullptr);
        CopyFileA(FixturePath("ver20.dll").c_str(), (disk + "\\library.dll").c_str(), FALSE);
    };
    DialogWatcher watcher({DialogAnswer{IDRETRY, false, insertDisk}});

    EXPECT_EQ(Install(disk + "\\library.dll", destination), RunFlow::GoOn);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Buttons, (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
    EXPECT_EQ(VersionMSOf(destination), 0x00020000u);
    EXPECT_EQ(engine_.Log(), Record(destination));
}

// A destination beyond the platform's 260 characters is refused before any
// fixed buffer sees it, and the run stops with the installer's own message.
TEST_F(NonSharedInstall, OverlongDestinationFailsClearly) {
    const std::string destination = application_.PathOf(std::string(240, 'd') + "\\file.dat");
    DialogWatcher watcher(Clicks({IDOK}));

    EXPECT_EQ(Install(FixturePath("plain.dat"), destination), RunFlow::Stop);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Text, "Could not create the file, setup cannot install the file");
    EXPECT_EQ(seen[0].Caption, "plain.dat");
    EXPECT_EQ(FileNamesIn(application_.Path()), std::vector<std::string>{});
    EXPECT_EQ(engine_.Log(), "");
}

TEST_F(NonSharedInstall, FileInUseStopsTheRun) {
    const std::string busy = application_.PathOf("busy.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("ver20.dll").c_str(), busy.c_str(), FALSE));
    LibraryHolder holder(busy);
    ASSERT_TRUE(holder.IsHolding());
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_YES, IDOK}));

    EXPECT_EQ(Install(FixturePath("ver2005.dll"), busy), RunFlow::Stop);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].Text, "File is in use and setup is not able to overwrite the file.");
    EXPECT_EQ(seen[1].Caption, "ver2005.dll");
    EXPECT_EQ(seen[1].Owner, nullptr);
    EXPECT_EQ(VersionLSOf(busy), 0u);
    EXPECT_EQ(FileNamesIn(application_.Path()), std::vector<std::string>{"busy.dll"});
    EXPECT_EQ(engine_.Log(), "");
}

}
