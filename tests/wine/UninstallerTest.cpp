// The uninstaller's Win32 layer under Wine: a whole removal from a log with
// files, a read-only file, a file in use, shared files with their reference
// counts and the uninstall entry; a second uninstaller on a busy log; the
// deletion at restart in Windows 98 mode; and the self-removal's last work.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/native/UninstallLogHeader.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/InstallVersionedFileTestSupport.h"
#include "uninstall/SharedCount_win.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallLog.h"
#include "uninstall/UninstallRegistry_win.h"
#include "uninstaller/FileRemoval_win.h"
#include "uninstaller/LockedLog_win.h"
#include "uninstaller/RegistryRemoval_win.h"
#include "uninstaller/SelfRemoval_win.h"
#include "uninstaller/SharedFileRemoval_win.h"
#include "uninstaller/UninstallRun_win.h"
#include "windows/Handles_win.h"
#include "windows/SystemPaths_win.h"

using namespace install_test;

namespace {

const char kApp[] = "Tarvane Unit\\Uninstall Test";

std::string Header() {
    return kUninstallLogHeader + "DATE:12/7/2026\r\n[FILES]\r\n";
}

std::string Registry() {
    return "[REGISTRY]\r\n" + UninstallKeyPath(kApp) + "\r\n";
}

bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// An installation in a scratch directory: the uninstaller's file (not
// running: its own record is left to the self-removal) beside the log.
struct Installation {
    ScratchDirectory directory;
    SystemFiles systemFiles;
    std::string Program() const { return directory.PathOf("TAUninstall.exe"); }
    std::string Log() const { return directory.PathOf("Uninstall.log"); }
    // A shared file in the system directory with count users before ours.
    std::string Shared(const std::string& name, const std::string& fixture) {
        const std::string path = systemFiles.Claim(name);
        CopyFileA(FixturePath(fixture).c_str(), path.c_str(), FALSE);
        DeleteSharedCount(path);
        return path;
    }
    ~Installation() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKeyPath("Tarvane Unit").c_str()); }
};

std::string NonShared(const std::string& path) {
    return path + "\r\nNONSHARED\r\n";
}

}

TEST(Uninstaller, RemovesTheRecordsInReverseAndKeepsSharedFilesOthersUse) {
    Installation install;
    const std::string sub = install.directory.PathOf("sub");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    ASSERT_TRUE(WriteTextFile(install.directory.PathOf("a.txt"), "a"));
    ASSERT_TRUE(WriteTextFile(sub + "\\Read only.txt", "r"));
    SetFileAttributesA((sub + "\\Read only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string readOnly = ShortPathOf(sub + "\\Read only.txt");
    ASSERT_TRUE(WriteTextFile(install.Program(), "stands for the program"));
    const std::string busy = install.directory.PathOf("busy.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("noreg.dll").c_str(), busy.c_str(), FALSE));
    const std::string stillUsed = install.Shared("Uninst Still Used.dll", "noreg.dll");
    const std::string lastUser = install.Shared("Uninst Last User.dll", "ver20.dll");
    const std::string uncounted = install.Shared("Uninst Uncounted.dat", "noreg.dll");
    CountSharedInstallation(stillUsed, false);
    CountSharedInstallation(stillUsed, false);
    CountSharedInstallation(lastUser, false);
    WriteUninstallEntry(kApp, "\"" + install.Program() + "\"", UninstallEntryDetails{});
    const std::string sharedRecords = stillUsed + "\r\nSHARED\r\nNOAUTOREGSVR\r\n" + lastUser +
                                      "\r\nSHARED\r\nAUTOREGSVR\r\n" + uncounted + "\r\nSHARED\r\n";
    ASSERT_TRUE(WriteTextFile(install.Log(), Header() + NonShared(install.Program()) +
                                                 NonShared(install.directory.PathOf("a.txt")) +
                                                 NonShared(readOnly) +
                                                 NonShared(install.directory.PathOf("gone already.txt")) +
                                                 NonShared(busy) + sharedRecords + Registry()));
    SetEnvironmentVariableA("FIXTURE_UNREGISTERED", nullptr);
    PendingRenames pending;
    UninstallResult result;
    std::vector<SeenDialog> seen;
    {
        LibraryHolder holder(busy);
        ASSERT_TRUE(holder.IsHolding());
        DialogWatcher watcher(Clicks({IDYES, IDYES, IDOK}));
        result = RunUninstall(install.Program());
        seen = watcher.Finish();
    }

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Caption, "Uninstall Uninstall Test");
    EXPECT_EQ(seen[0].Text, "Do you want to remove Uninstall Test and all of its components?");
    EXPECT_EQ(seen[1].Caption, SharedFileCaption);
    EXPECT_NE(seen[1].Text.find(lastUser), std::string::npos);
    EXPECT_EQ(seen[1].DefaultButton, IDNO);
    EXPECT_EQ(seen[2].Text, "Uninstall Test has been removed from your computer.\n\nKept:\n" + uncounted +
                                " (shared, without a reference count of its own)\n" + stillUsed +
                                " (shared, still used by other programs)\n\nDeleted when Windows restarts:\n" + busy +
                                " (in use)\n\nRestart Windows to complete the removal.");
    EXPECT_EQ(result.Exit, UninstallExit::RestartNeeded);
    EXPECT_TRUE(result.FinishedWork);

    EXPECT_FALSE(FileExists(install.directory.PathOf("a.txt")));
    EXPECT_FALSE(FileExists(sub));
    EXPECT_TRUE(FileExists(install.Program()));
    EXPECT_FALSE(FileExists(lastUser));
    EXPECT_EQ(GetEnvironmentVariableA("FIXTURE_UNREGISTERED", nullptr, 0), 2u);
    EXPECT_EQ(ReadSharedCount(lastUser).Kind, CountValueKind::Missing);
    EXPECT_TRUE(FileExists(stillUsed));
    EXPECT_EQ(ReadSharedCount(stillUsed).Number, 1u);
    EXPECT_TRUE(FileExists(uncounted));
    EXPECT_EQ(ReadSharedCount(uncounted).Kind, CountValueKind::Missing);
    const auto added = pending.Added();
    ASSERT_GE(added.size(), 1u);
    EXPECT_EQ(added[0].From, "\\??\\" + busy);
    EXPECT_EQ(added[0].To, "");
    EXPECT_FALSE(KeyExists(UninstallKeyPath(kApp)));
    EXPECT_FALSE(KeyExists(UninstallKeyPath("Tarvane Unit")));
    // The shared records are handled: a second run must not count them again.
    EXPECT_EQ(FileBytesOf(install.Log()), Header() + NonShared(install.Program()) +
                                              NonShared(install.directory.PathOf("a.txt")) +
                                              NonShared(readOnly) +
                                              NonShared(install.directory.PathOf("gone already.txt")) +
                                              NonShared(busy) + Registry());
}

TEST(Uninstaller, KeepingTheLastUsersFileLeavesCountZero) {
    Installation install;
    const std::string shared = install.Shared("Uninst Kept.dll", "ver20.dll");
    CountSharedInstallation(shared, true);
    EXPECT_EQ(ReadSharedCount(shared).Number, 2u);
    WriteSharedCount(shared, 1);
    DialogWatcher watcher(Clicks({IDNO}));
    RemovalReport report;
    LogRecord record;
    record.Path = shared;
    record.Kind = RecordKind::Shared;
    record.Registration = SelfRegistration::Registered;
    SetEnvironmentVariableA("FIXTURE_UNREGISTERED", nullptr);
    ReleaseSharedFile(record, report);
    EXPECT_EQ(watcher.Finish().size(), 1u);
    EXPECT_TRUE(FileExists(shared));
    EXPECT_EQ(GetEnvironmentVariableA("FIXTURE_UNREGISTERED", nullptr, 0), 0u);
    EXPECT_EQ(ReadSharedCount(shared).Kind, CountValueKind::Number);
    EXPECT_EQ(ReadSharedCount(shared).Number, 0u);
    EXPECT_EQ(report.Exit(), UninstallExit::Removed);
    DeleteSharedCount(shared);
}

TEST(Uninstaller, CancelledBusyOrRefusedLogRemovesNothing) {
    Installation install;
    ASSERT_TRUE(WriteTextFile(install.directory.PathOf("a.txt"), "a"));
    ASSERT_TRUE(WriteTextFile(install.Log(), Header() + NonShared(install.directory.PathOf("a.txt")) + Registry()));
    // Without a digest only an entry that starts this program is trusted: a
    // log must not get around the digest by naming another key.
    WriteUninstallEntry(kApp, "C:\\Other\\TAUninstall.exe", UninstallEntryDetails{});
    {
        DialogWatcher watcher(Clicks({IDOK}));
        EXPECT_EQ(RunUninstall(install.Program()).Exit, UninstallExit::RefusedOrFailed);
        const auto& seen = watcher.Finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].Text, "The uninstall log " + install.Log() + " names the uninstall entry HKEY_LOCAL_MACHINE\\" +
                                    UninstallKeyPath(kApp) +
                                    ", which does not start this uninstaller, so it cannot be trusted and nothing "
                                    "has been removed.");
    }
    WriteUninstallEntry(kApp, install.Program(), UninstallEntryDetails{});
    {
        DialogWatcher watcher(Clicks({IDNO}));
        EXPECT_EQ(RunUninstall(install.Program()).Exit, UninstallExit::Cancelled);
        EXPECT_EQ(watcher.Finish().size(), 1u);
        EXPECT_TRUE(FileExists(install.directory.PathOf("a.txt")));
    }
    {
        LockedLog first;
        ASSERT_EQ(first.Open(install.Log()), LogOpenResult::Opened);
        DialogWatcher watcher(Clicks({IDOK}));
        EXPECT_EQ(RunUninstall(install.Program()).Exit, UninstallExit::RefusedOrFailed);
        const auto& seen = watcher.Finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_NE(seen[0].Text.find("Another uninstallation is already removing"), std::string::npos);
    }
    ASSERT_TRUE(WriteTextFile(install.Log(), Header() + NonShared(install.directory.PathOf("a.txt")) +
                                                 NonShared(install.directory.Path()) + Registry()));
    DialogWatcher watcher(Clicks({IDOK}));
    EXPECT_EQ(RunUninstall(install.Program()).Exit, UninstallExit::RefusedOrFailed);
    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].Text.find("line 14: " + install.directory.Path() + ": names a directory"), std::string::npos)
        << seen[0].Text;
    EXPECT_TRUE(FileExists(install.directory.PathOf("a.txt")));
    std::string ignored;
    RemoveUninstallEntry(UninstallKeyNames(kApp), ignored);
}

TEST(Uninstaller, SelfRemovalDeletesProgramLogAndEmptyDirectoryAndSchedulesItself) {
    ScratchDirectory scratch;
    const std::string directory = scratch.PathOf("Demo");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    const std::string program = directory + "\\TAUninstall.exe";
    ASSERT_TRUE(WriteTextFile(program, "the program"));
    ASSERT_TRUE(WriteTextFile(directory + "\\Uninstall.log", "the log"));
    // Keeps the parent, which would go too if it became empty.
    ASSERT_TRUE(WriteTextFile(scratch.PathOf("other.txt"), "someone else's"));
    // The original has ended: a process that exits at once.
    std::string command = "\"" + FixturePath("holdlib.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    const KernelHandle thread(started.hThread);
    PendingRenames pending;

    EXPECT_EQ(RunSelfRemoval(std::to_string(reinterpret_cast<UINT_PTR>(started.hProcess)), program), 0);

    EXPECT_FALSE(FileExists(program));
    EXPECT_FALSE(FileExists(directory));
    EXPECT_TRUE(FileExists(scratch.Path()));
    const auto added = pending.Added();
    ASSERT_EQ(added.size(), 2u);
    const std::string self = ProgramPath();
    EXPECT_EQ(added[0].From, "\\??\\" + self);
    EXPECT_EQ(added[1].From, "\\??\\" + self.substr(0, self.rfind('\\')));
    EXPECT_EQ(added[1].To, "");
}

class UninstallInWindows98Process : public Windows98ProcessTest {};

TEST_F(UninstallInWindows98Process, FileInUseGetsANulLineInWininitBesideOtherLines) {
    ScratchDirectory files;
    WininitBackup backup;
    const std::string others = "[rename]\r\nNUL=C:\\WINDOWS\\TEMP\\OLD1.TMP\r\n; theirs\r\n\r\n[other]\r\nkey=value\r\n";
    ASSERT_TRUE(WriteTextFile(WininitBackup::Path(), others));
    const std::string busy = files.PathOf("Busy Library.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("noreg.dll").c_str(), busy.c_str(), FALSE));
    PendingRenames pending;
    LibraryHolder holder(busy);
    ASSERT_TRUE(holder.IsHolding());

    std::string reason;
    EXPECT_EQ(RemoveInstalledFile(busy, reason), RemovalOutcome::Scheduled) << reason;
    EXPECT_EQ(RemoveInstalledFile(busy, reason), RemovalOutcome::Scheduled) << reason;

    EXPECT_TRUE(pending.Added().empty());
    EXPECT_EQ(FileBytesOf(WininitBackup::Path()),
              "[rename]\r\nNUL=C:\\WINDOWS\\TEMP\\OLD1.TMP\r\n; theirs\r\nNUL=" + ShortPathOf(busy) +
                  "\r\n\r\n[other]\r\nkey=value\r\n");
    EXPECT_FALSE(ScheduleDeletionAtRestart(files.Path(), reason));
    EXPECT_EQ(reason, "Wininit.exe does not remove directories");
}
