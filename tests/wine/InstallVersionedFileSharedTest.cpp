// Shared files through InstallVersionedFile: the recommended directory, the
// uninstall records with their self-registration line, the attribute
// question for an older file, and a file in use scheduled for the restart.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/InstallVersionedFile_win.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/InstallVersionedFileTestSupport.h"
#include "uninstall/SharedCount_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

using namespace install_test;

namespace {

class SharedInstall : public ::testing::Test {
protected:
    ScratchDirectory application_;
    EngineState engine_{application_.Path()};
    SystemFiles systemFiles_;

    // The entry names a directory of its own; only its file name counts.
    RunFlow Install(const std::string& fixture, const std::string& name) {
        const size_t position = engine_.AddFile(FixturePath(fixture), application_.PathOf("elsewhere\\" + name), true);
        return InstallVersionedFile(FixturePath(fixture), position);
    }

    std::string Record(const std::string& name, const std::string& lines) {
        return SystemDirectory() + "\\" + name + "\r\nSHARED\r\n" + lines;
    }
};

TEST_F(SharedInstall, GoesToRecommendedDirectoryAndRegisters) {
    const std::string installed = systemFiles_.Claim("sharedreg.dll");
    DialogWatcher watcher({});

    EXPECT_EQ(Install("ver20.dll", "sharedreg.dll"), RunFlow::GoOn);

    EXPECT_TRUE(watcher.Finish().empty());
    EXPECT_EQ(VersionMSOf(installed), 0x00020000u);
    EXPECT_FALSE(FileExists(application_.PathOf("elsewhere\\sharedreg.dll")));
    EXPECT_EQ(engine_.Log(), Record("sharedreg.dll", "AUTOREGSVR\r\n"));
    EXPECT_EQ(TheState().CurrentDestPath, installed);
    EXPECT_EQ(TheState().CurrentSourcePath, ShortPathOf(FixturePath("ver20.dll")));
}

TEST_F(SharedInstall, CountsItsUsersInSharedDlls) {
    const std::string installed = systemFiles_.Claim("sharedcount.dll");
    DeleteSharedCount(installed);
    ASSERT_EQ(Install("noreg.dll", "sharedcount.dll"), RunFlow::GoOn);
    EXPECT_EQ(ReadSharedCount(installed).Number, 1u);
    ASSERT_EQ(Install("noreg.dll", "sharedcount.dll"), RunFlow::GoOn);
    EXPECT_EQ(ReadSharedCount(installed).Number, 2u);
    // Already there, from a program that kept no count: one user before us.
    DeleteSharedCount(installed);
    ASSERT_EQ(Install("noreg.dll", "sharedcount.dll"), RunFlow::GoOn);
    EXPECT_EQ(ReadSharedCount(installed).Kind, CountValueKind::Number);
    EXPECT_EQ(ReadSharedCount(installed).Number, 2u);
    DeleteSharedCount(installed);
}

TEST_F(SharedInstall, LibraryWithoutRegistrationIsRecordedSo) {
    systemFiles_.Claim("sharednoreg.dll");

    EXPECT_EQ(Install("noreg.dll", "sharednoreg.dll"), RunFlow::GoOn);

    EXPECT_EQ(engine_.Log(), Record("sharednoreg.dll", "NOAUTOREGSVR\r\n"));
}

TEST_F(SharedInstall, DataFileGetsNoRegistrationLine) {
    const std::string installed = systemFiles_.Claim("shareddata.dat");

    EXPECT_EQ(Install("plain.dat", "shareddata.dat"), RunFlow::GoOn);

    EXPECT_EQ(FileBytesOf(installed), FileBytesOf(FixturePath("plain.dat")));
    EXPECT_EQ(engine_.Log(), Record("shareddata.dat", ""));
}

TEST_F(SharedInstall, FailedRegistrationIsShownAndStillRecorded) {
    const std::string installed = systemFiles_.Claim("sharedfail.dll");
    DialogWatcher watcher(Clicks({IDOK}));

    EXPECT_EQ(Install("regfalse.dll", "sharedfail.dll"), RunFlow::GoOn);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Text, "Registration of " + installed + " failed, setup will continue.");
    EXPECT_EQ(seen[0].Caption, "Server registration");
    EXPECT_EQ(seen[0].Owner, engine_.CopyPage());
    EXPECT_TRUE(seen[0].HasIcon);
    EXPECT_EQ(seen[0].Buttons, std::vector<int>{IDOK});
    EXPECT_EQ(engine_.Log(), Record("sharedfail.dll", "AUTOREGSVR\r\n"));
}

// The lookup of the recommended directory cannot take an application
// directory beyond 260 characters; its unusable answer must not send the file
// anywhere (an empty directory means the source directory to the installer).
TEST_F(SharedInstall, OverlongApplicationDirectoryFailsClearly) {
    TheState().Variables.Set("DP", "C:\\" + std::string(300, 'a'));
    const std::string installed = systemFiles_.Claim("sharedlong.dll");
    const auto fixturesBefore = FileNamesIn(FixtureDirectory());
    DialogWatcher watcher(Clicks({IDOK}));

    EXPECT_EQ(Install("ver20.dll", "sharedlong.dll"), RunFlow::Stop);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Text, "Could not create the file, setup cannot install the file");
    EXPECT_EQ(seen[0].Caption, "ver20.dll");
    EXPECT_FALSE(FileExists(installed));
    EXPECT_EQ(FileNamesIn(FixtureDirectory()), fixturesBefore);
    EXPECT_EQ(engine_.Log(), "");
}

class OlderSharedFile : public SharedInstall {
protected:
    std::string installed_;
    int copiesBefore_ = 0;

    void SetUp() override {
        installed_ = systemFiles_.Claim("sharedold.dll");
        ASSERT_TRUE(CopyFileA(FixturePath("ver2005.dll").c_str(), installed_.c_str(), FALSE));
        copiesBefore_ = InstallerCopiesIn(SystemDirectory());
    }

    // The installer keeps its copy when it refuses (VIF_TEMPFILE), so the
    // user hears of it before the attribute question.
    static void ExpectTemporaryNoticeThenQuestion(const std::vector<SeenDialog>& seen) {
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0].Text, "Temporary file, file cannot be copied.");
        EXPECT_EQ(seen[0].Caption, "ver19.dll");
        EXPECT_EQ(seen[1].Caption, "ver19.dll");
        EXPECT_EQ(seen[1].Text.rfind("The file to install and the old file differ in one or more attributes.", 0), 0u)
            << seen[1].Text;
        EXPECT_EQ(seen[1].Owner, nullptr);
        EXPECT_EQ(seen[1].Buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(seen[1].DefaultButton, IDNO);
        EXPECT_FALSE(seen[1].HasIcon);
    }
};

TEST_F(OlderSharedFile, AnsweredNoIsSkippedWithoutRecordOrCopy) {
    DialogWatcher watcher(Clicks({IDOK, IDNO}));

    EXPECT_EQ(Install("ver19.dll", "sharedold.dll"), RunFlow::GoOn);

    ExpectTemporaryNoticeThenQuestion(watcher.Finish());
    EXPECT_EQ(VersionLSOf(installed_), 5u);
    EXPECT_EQ(engine_.Log(), "");
    EXPECT_EQ(InstallerCopiesIn(SystemDirectory()), copiesBefore_);
}

TEST_F(OlderSharedFile, AnsweredYesIsForced) {
    DialogWatcher watcher(Clicks({IDOK, IDYES}));

    EXPECT_EQ(Install("ver19.dll", "sharedold.dll"), RunFlow::GoOn);

    ExpectTemporaryNoticeThenQuestion(watcher.Finish());
    EXPECT_EQ(VersionMSOf(installed_), 0x00010009u);
    EXPECT_EQ(engine_.Log(), Record("sharedold.dll", "AUTOREGSVR\r\n"));
    EXPECT_EQ(InstallerCopiesIn(SystemDirectory()), copiesBefore_);
}

// The installer cannot delete a library that another process has loaded
// (VIF_CANNOTDELETE): the newer file waits for the restart instead.
TEST_F(SharedInstall, FileInUseIsScheduledThroughDelayedMove) {
    const std::string busy = systemFiles_.Claim("sharedbusy.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("ver20.dll").c_str(), busy.c_str(), FALSE));
    PendingRenames pending;
    WindowsTempFiles copies("*.tmp");
    LibraryHolder holder(busy);
    ASSERT_TRUE(holder.IsHolding());
    DialogWatcher watcher({});

    EXPECT_EQ(Install("ver2005.dll", "sharedbusy.dll"), RunFlow::GoOn);

    EXPECT_TRUE(watcher.Finish().empty());
    EXPECT_EQ(engine_.Log(), "");
    EXPECT_EQ(VersionLSOf(busy), 0u);
    const auto added = copies.Added();
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(VersionLSOf(added[0]), 5u);
    const auto renames = pending.Added();
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(lstrcmpiA(renames[0].From.c_str(), ("\\??\\" + added[0]).c_str()), 0) << renames[0].From;
    EXPECT_EQ(lstrcmpiA(renames[0].To.c_str(), ("!\\??\\" + busy).c_str()), 0) << renames[0].To;
}

}
