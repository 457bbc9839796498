// The journal's backups and undo under Wine: the version-aware installer
// replaces a file (deletes it and renames its copy), so a hard link keeps the
// old bytes; a journaled run is put back, times and attributes included, and
// a second undo finds nothing left to do.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/VerInstallCalls_win.h"
#include "install/VersionInfo_win.h"
#include "rollback/JournalFolder.h"
#include "rollback/JournalRecord.h"
#include "rollback/NewFolders_win.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/RegistryState_win.h"
#include "rollback/RestartMoves.h"
#include "rollback/RunJournal_win.h"
#include "tests/wine/InstallTestSupport.h"

using install_test::FileExists;
using install_test::FixtureDirectory;
using install_test::FixturePath;
using install_test::ScratchDirectory;
using install_test::WriteTextFile;

namespace {

uint32_t VersionMS(const std::string& path) {
    const auto info = ReadVersionInfo(path);
    return info ? info->FileVersionMS : 0;
}

FILETIME WriteTimeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

TEST(RunJournal, TheInstallerReplacesTheFileSoAHardLinkKeepsItsOldBytes) {
    ScratchDirectory directory;
    const std::string target = directory.PathOf("a.dll");
    const std::string link = directory.PathOf("backup");
    ASSERT_TRUE(CopyFileA(FixturePath("ver19.dll").c_str(), target.c_str(), FALSE));
    ASSERT_TRUE(CreateHardLinkA(link.c_str(), target.c_str(), nullptr));

    InstallFileRequest request;
    request.Flags = VIFF_FORCEINSTALL;
    request.SourceName = "ver20.dll";
    request.DestinationName = "a.dll";
    request.SourceDirectory = FixtureDirectory();
    request.DestinationDirectory = directory.Path();
    EXPECT_EQ(VersionInstallFile(request).Result & ~VIF_TEMPFILE, 0u);

    EXPECT_EQ(VersionMS(target), 0x00020000u);
    EXPECT_EQ(VersionMS(link), 0x00010009u);
}

TEST(RunJournal, AStoppedRunIsPutBackAndASecondUndoFindsNothingToDo) {
    ScratchDirectory directory;
    const std::string kept = directory.PathOf("kept.txt");
    const std::string made = directory.PathOf("made");
    const std::string created = made + "\\new.txt";
    const std::string key = "Software\\Tarvane\\Unit journal";
    ASSERT_TRUE(WriteTextFile(kept, "old bytes"));
    const FILETIME oldTime{0x12345678, 0x01D00000};
    {
        const HANDLE file = CreateFileA(kept.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(file, nullptr, nullptr, &oldTime);
        CloseHandle(file);
    }
    ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(PutRegistryValue(HKEY_LOCAL_MACHINE, key, "Count", RegistryValueCopy{"Count", REG_DWORD, std::string("\1\0\0\0", 4)}));

    ASSERT_TRUE(OpenRunJournal());
    ASSERT_EQ(OpenRuns().size(), 1u);
    JournalFile(kept, FileChange::WrittenInPlace);
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(WriteTextFile(kept, "new bytes, longer"));
    JournalNewDirectory(made);
    CreateDirectoryA(made.c_str(), nullptr);
    JournalFile(created, FileChange::Replaced);
    ASSERT_TRUE(WriteTextFile(created, "new"));
    JournalRegistryValue(HKEY_LOCAL_MACHINE, key, "Count");
    JournalRegistryValue(HKEY_LOCAL_MACHINE, key + "\\Deeper", "New");
    PutRegistryValue(HKEY_LOCAL_MACHINE, key, "Count", RegistryValueCopy{"Count", REG_DWORD, std::string("\2\0\0\0", 4)});
    PutRegistryValue(HKEY_LOCAL_MACHINE, key + "\\Deeper", "New", RegistryValueCopy{"New", REG_SZ, "x"});

    EXPECT_TRUE(UndoOpenRun().Problems.empty());
    EXPECT_TRUE(UndoOpenRun().Problems.empty()); // nothing open any more

    std::string bytes(64, '\0');
    const HANDLE file = CreateFileA(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(bytes.substr(0, read), "old bytes");
    EXPECT_EQ(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    const FILETIME restoredTime = WriteTimeOf(kept);
    EXPECT_EQ(CompareFileTime(&oldTime, &restoredTime), 0);
    EXPECT_FALSE(FileExists(created));
    EXPECT_FALSE(FileExists(made));
    const auto count = ReadRegistryValue(HKEY_LOCAL_MACHINE, key, "Count");
    ASSERT_TRUE(count);
    EXPECT_EQ(count->Data, std::string("\1\0\0\0", 4));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key + "\\Deeper"));
    EXPECT_TRUE(OpenRuns().empty());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Tarvane\\Setup"));

    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveEmptyKeys(HKEY_LOCAL_MACHINE, key, "Software");
    PutRegistryValue(HKEY_LOCAL_MACHINE, key, "Count", std::nullopt);
    RemoveEmptyKeys(HKEY_LOCAL_MACHINE, key, "Software");
}

// What others put in the run's places after it began stays: a file in a
// folder the run made (the folder stays with it), another program's restart
// move, another installer's temporary file. What the run made and cannot
// delete now waits for the restart, its folder after it, and the report
// names both.
TEST(RunJournal, TheUndoTakesOnlyWhatTheRunMadeAndNamesWhatWaitsForTheRestart) {
    ScratchDirectory directory;
    const std::string shared = directory.PathOf("shared");
    const std::string made = directory.PathOf("made");
    const std::string held = directory.PathOf("held");
    const std::string theirs = made + "\\theirs.txt";
    const std::string heldFile = held + "\\in use.dll";
    ASSERT_TRUE(CreateDirectoryA(shared.c_str(), nullptr));
    ASSERT_TRUE(WriteTextFile(shared + "\\ver9.tmp", "another installer's"));
    const auto pendingBefore = ReadRegistryValue(HKEY_LOCAL_MACHINE, kPendingMovesKey, kPendingMovesValue);

    ASSERT_TRUE(OpenRunJournal());
    for (const std::string& folder : {made, held}) {
        JournalNewDirectory(folder);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        JournalNewDirectory(folder + "\\sub");
        ASSERT_TRUE(CreateDirectoryA((folder + "\\sub").c_str(), nullptr));
        JournalFile(folder + "\\sub\\own.txt", FileChange::Replaced);
        ASSERT_TRUE(WriteTextFile(folder + "\\sub\\own.txt", "ours"));
    }
    JournalFile(heldFile, FileChange::Replaced);
    ASSERT_TRUE(WriteTextFile(heldFile, "ours, held"));
    ASSERT_TRUE(WriteTextFile(theirs, "someone else's"));
    JournalInstallerFolder(shared);
    ASSERT_TRUE(WriteTextFile(shared + "\\VER1A2.TMP", "left by a kill"));
    const std::string copy = directory.PathOf("copy.dll");
    ASSERT_TRUE(WriteTextFile(copy, "new version"));
    JournalRestartMove(copy, shared + "\\lib.dll");
    ASSERT_TRUE(MoveFileExA(copy.c_str(), (shared + "\\lib.dll").c_str(), MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
    const std::string othersFile = shared + "\\others.dll";
    ASSERT_TRUE(MoveFileExA(othersFile.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));

    const HANDLE inUse = CreateFileA(heldFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    const UndoReport report = UndoOpenRun();
    CloseHandle(inUse);

    ASSERT_EQ(report.Problems.size(), 1u);
    EXPECT_NE(report.Problems[0].find(made), std::string::npos) << report.Problems[0];
    EXPECT_TRUE(FileExists(theirs));
    EXPECT_FALSE(FileExists(made + "\\sub"));
    ASSERT_EQ(report.AtRestart.size(), 2u);
    EXPECT_NE(report.AtRestart[0].find(heldFile), std::string::npos) << report.AtRestart[0];
    EXPECT_NE(report.AtRestart[1].find("folder " + held + ", which holds it"), std::string::npos) << report.AtRestart[1];
    EXPECT_FALSE(FileExists(held + "\\sub"));
    EXPECT_FALSE(FileExists(shared + "\\VER1A2.TMP"));
    EXPECT_TRUE(FileExists(shared + "\\ver9.tmp"));

    // Another program's move stays; ours is gone; the undo's own deletions
    // (the file in use, then its folder) are added after.
    const auto pending = ReadRegistryValue(HKEY_LOCAL_MACHINE, kPendingMovesKey, kPendingMovesValue);
    ASSERT_TRUE(pending);
    const std::string& moves = pending->Data;
    EXPECT_EQ(moves.find("copy.dll"), std::string::npos);
    const size_t others = moves.find(othersFile);
    const size_t file = moves.find(heldFile);
    const size_t folder = moves.find(held + std::string(1, '\0'));
    EXPECT_NE(others, std::string::npos);
    EXPECT_NE(file, std::string::npos);
    EXPECT_TRUE(folder != std::string::npos && folder > file) << "the folder goes after the file it holds";

    SetFileAttributesA(heldFile.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(heldFile.c_str());
    RemoveDirectoryA(held.c_str());
    DeleteFileA(theirs.c_str());
    RemoveDirectoryA(made.c_str());
    DeleteFileA((shared + "\\ver9.tmp").c_str());
    RemoveDirectoryA(shared.c_str());
    PutRegistryValue(HKEY_LOCAL_MACHINE, kPendingMovesKey, kPendingMovesValue, pendingBefore);
}

// A destination three new levels deep is made whole and undone whole; a
// file written through ".." out of a folder the run made is outside it and
// is undone by its own record, while a folder that was there stays.
TEST(RunJournal, NewLevelsAreMadeAndUndoneAndDotDotLeavesTheMadeFolder) {
    ScratchDirectory directory;
    const std::string existing = directory.PathOf("Apps");
    const std::string deep = existing + "\\Maker\\Product\\";
    const std::string beside = directory.PathOf("Common");
    const std::string throughDotDot = deep + "..\\..\\..\\Common\\x.dll";
    ASSERT_TRUE(CreateDirectoryA(existing.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(beside.c_str(), nullptr));

    ASSERT_TRUE(OpenRunJournal());
    const MadeFolder made = MakeFolderWhole(deep + "sub\\deeper");
    ASSERT_TRUE(made.Exists);
    EXPECT_EQ(made.OutermostMade, existing + "\\Maker");
    EXPECT_TRUE(FileExists(deep + "sub\\deeper"));
    const MadeFolder again = MakeFolderWhole(deep); // there already: nothing more to do
    EXPECT_TRUE(again.Exists);
    EXPECT_TRUE(again.OutermostMade.empty());

    // A group made for a shortcut that then failed goes again, up to the
    // level made, while a level holding something stays.
    const std::string group = beside + "\\Group\\Sub";
    const MadeFolder groupMade = MakeFolderWhole(group);
    ASSERT_TRUE(groupMade.Exists);
    RemoveEmptyMadeLevels(group, groupMade.OutermostMade);
    EXPECT_FALSE(FileExists(beside + "\\Group"));
    EXPECT_TRUE(FileExists(beside));
    RemoveEmptyMadeLevels(deep + "sub\\deeper", deep + "sub");
    EXPECT_FALSE(FileExists(deep + "sub"));
    EXPECT_TRUE(FileExists(deep)) << "above the level named";
    JournalFile(throughDotDot, FileChange::Replaced);
    ASSERT_TRUE(WriteTextFile(throughDotDot, "outside"));

    EXPECT_TRUE(UndoOpenRun().Problems.empty());
    EXPECT_FALSE(FileExists(existing + "\\Maker"));
    EXPECT_TRUE(FileExists(existing)) << "a folder that was there before stays";
    EXPECT_FALSE(FileExists(beside + "\\x.dll")) << "the file outside the made folders is undone by its own record";
    EXPECT_TRUE(FileExists(beside));
    RemoveDirectoryA(existing.c_str());
    RemoveDirectoryA(beside.c_str());
}

// A section's records go at once, before its first file: the installer then
// replaces one file and creates another, and the undo puts both back.
TEST(RunJournal, ASectionsRecordsWrittenAtOnceUndoItsFiles) {
    ScratchDirectory directory;
    const std::string replaced = directory.PathOf("a.dll"), created = directory.PathOf("b.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("ver19.dll").c_str(), replaced.c_str(), FALSE));

    ASSERT_TRUE(OpenRunJournal());
    JournalFiles({replaced, created});
    for (const char* name : {"a.dll", "b.dll"}) {
        InstallFileRequest request;
        request.Flags = VIFF_FORCEINSTALL;
        request.SourceName = "ver20.dll";
        request.DestinationName = name;
        request.SourceDirectory = FixtureDirectory();
        request.DestinationDirectory = directory.Path();
        // The installer's own hook for the file comes after the section's.
        JournalFile(directory.PathOf(name), FileChange::Replaced);
        EXPECT_EQ(VersionInstallFile(request).Result & ~VIF_TEMPFILE, 0u) << name;
    }
    // Two records, the section's: the installer's hooks added none.
    ASSERT_EQ(OpenRuns().size(), 1u);
    const std::string journal = OpenRuns()[0] + "\\" + kJournalFileName;
    std::string bytes(4096, '\0');
    const HANDLE file = CreateFileA(journal.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    const std::vector<JournalRecord> records = ReadJournal(bytes.substr(0, read));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Kind, RecordKind::FileReplaced);
    EXPECT_EQ(records[1].Kind, RecordKind::FileCreated);
    EXPECT_EQ(VersionMS(replaced), 0x00020000u);
    EXPECT_TRUE(UndoOpenRun().Problems.empty());
    EXPECT_EQ(VersionMS(replaced), 0x00010009u);
    EXPECT_FALSE(FileExists(created));
    EXPECT_TRUE(OpenRuns().empty());
}

// A committed run's folder, with a backup per replaced file, goes on a
// thread of its own; once it is waited for, nothing of the run is left.
TEST(RunJournal, ACommittedRunsBackupsGoBehindThePages) {
    ScratchDirectory directory;
    std::vector<std::string> files;
    for (int i = 0; i < 50; ++i) {
        files.push_back(directory.PathOf("f" + std::to_string(i) + ".txt"));
        ASSERT_TRUE(WriteTextFile(files.back(), "old"));
    }
    ASSERT_TRUE(OpenRunJournal());
    const std::string folder = OpenRuns().at(0);
    JournalFiles(files);
    CommitRunJournal();
    EXPECT_TRUE(OpenRuns().empty()); // no longer open, before its folder goes
    FinishCommittedRemoval();
    EXPECT_FALSE(FileExists(folder));
    for (const std::string& file : files)
        EXPECT_TRUE(FileExists(file)) << file;
}

} // namespace
