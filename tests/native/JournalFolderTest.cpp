// The names in the list of open runs that recovery may act on, and the
// owner and access list a journal folder must show.
#include <gtest/gtest.h>

#include "rollback/InstallerTemporaries.h"
#include "rollback/JournalFolder.h"
#include "rollback/JournalRecord.h"
#include "rollback/UndoPlan.h"
#include "windows/FolderSecurity.h"
#include "windows/PrivateFolderName.h"

namespace {

const std::string kWindows = "C:\\WINDOWS";

TEST(JournalFolderTest, OnlyOurOwnFormDirectlyInTheWindowsTemporaryFolderPasses) {
    const std::string made = JournalFolderParent(kWindows) + "\\" + PrivateFolderName(kJournalFolderPrefix, 0x0123456789ABCDEFull);
    EXPECT_EQ(made, "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF");
    EXPECT_TRUE(IsJournalFolderPath(made, kWindows));
    EXPECT_TRUE(IsJournalFolderPath("c:\\windows\\temp\\Undo-0123456789ABCDEF", kWindows)) << "the parent's case";

    for (const char* crafted : {
             "C:\\WINDOWS\\TEMP\\..",                       // emptied the Windows folder once
             "C:\\WINDOWS\\TEMP\\.",                        //
             "C:\\WINDOWS\\TEMP\\",                         //
             "C:\\WINDOWS\\TEMP",                           //
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF\\..", // one component only
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF\\x",  //
             "C:\\WINDOWS\\TEMP\\..\\TEMP\\Undo-0123456789ABCDEF",
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDE",   // 15 digits
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF0", // 17
             "C:\\WINDOWS\\TEMP\\Undo-0123456789abcdef",  // not what we write
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDE.",  //
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF ", //
             "C:\\WINDOWS\\TEMP\\Other-0123456789ABCDEF", // another program's folder
             "C:\\WINDOWS\\TEMP\\undo-0123456789ABCDEF",  //
             "C:\\Program Files\\Other\\Undo-0123456789ABCDEF",
             "\\\\?\\C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF",
             "C:/WINDOWS/TEMP/Undo-0123456789ABCDEF",
             "C:\\WINDOWS\\TEMP\\Undo-0123456789ABCDEF:stream",
             "",
         })
        EXPECT_FALSE(IsJournalFolderPath(crafted, kWindows)) << crafted;
    EXPECT_FALSE(IsJournalFolderPath("\\TEMP\\Undo-0123456789ABCDEF", "")) << "no Windows folder known";
}

TEST(JournalFolderTest, PrivateNamesAreExactlyPrefixAndSixteenDigits) {
    for (uint64_t bits : {0ull, 1ull, 0xFFFFFFFFFFFFFFFFull, 0xA5A5A5A5A5A5A5A5ull})
        EXPECT_TRUE(IsPrivateFolderName(PrivateFolderName("Run-", bits), "Run-")) << bits;
    EXPECT_FALSE(IsPrivateFolderName("Run-000000000000000G", "Run-"));
    EXPECT_FALSE(IsPrivateFolderName("Ran-0000000000000000", "Run-"));
    EXPECT_FALSE(IsPrivateFolderName("0000000000000000", "Run-"));
}

TEST(JournalFolderTest, OnlyAdministratorsSystemAndTheRunningAdministratorMayOwnAndEnter) {
    const std::string user = "S-1-5-21-0-0-0-1000";
    // What setup asks for on Windows, and what Wine reports for it.
    EXPECT_TRUE(IsAdministratorsOnlySecurity("O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)", user));
    EXPECT_TRUE(IsAdministratorsOnlySecurity("O:SYD:PAI(A;OICIID;FA;;;SY)(A;OICI;FA;;;S-1-5-32-544)", user));
    EXPECT_TRUE(IsAdministratorsOnlySecurity("O:" + user + "D:(A;OICI;FA;;;SY)(A;OICI;FA;;;" + user + ")", user));
    EXPECT_TRUE(IsAdministratorsOnlySecurity("O:BAG:SYD:P(A;OICI;FA;;;BA)(D;;FA;;;SY)", user)) << "a group part";

    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:" + user + "D:(A;OICI;FA;;;SY)(A;OICI;FA;;;" + user + ")", ""))
        << "an unknown user is nobody's";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:S-1-5-21-9-9-9-1001D:(A;;FA;;;BA)", user)) << "another owner";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BUD:(A;;FA;;;BA)", user)) << "owned by the users";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;WD)", user)) << "everyone reads";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:P(A;;FA;;;BA)(A;;FA;;;AU)", user)) << "users write";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:NO_ACCESS_CONTROL", user)) << "no list: everyone may";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BA", user)) << "no list read";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:P", user)) << "an empty list";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:(OA;;FA;;;BA)", user)) << "an entry of another kind";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:(A;;FA;;;BA", user)) << "torn";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("O:BAD:(A;;FA;;;BA)x(A;;FA;;;WD)", user)) << "text between entries";
    EXPECT_FALSE(IsAdministratorsOnlySecurity("", user));
    EXPECT_FALSE(IsAdministratorsOnlySecurity("D:(A;;FA;;;BA)", user)) << "no owner";
}

TEST(JournalFolderTest, RecoveryTakesOnlyTheInstallersTemporaryFilesOfThisRun) {
    for (const char* name : {"ver834.tmp", "VER1.TMP", "verFFFF.tmp", "Ver0a.Tmp"})
        EXPECT_TRUE(IsInstallerTemporaryName(name)) << name;
    for (const char* name : {"ver.tmp", "ver12345.tmp", "verxyz.tmp", "ver12.tmp.txt", "aver12.tmp", "ver12.tm", "vet12.tmp", ""})
        EXPECT_FALSE(IsInstallerTemporaryName(name)) << name;

    const uint64_t at = 0x01DC000000000000ull;
    const uint64_t second = 10000000;
    const std::vector<FoundTemporary> now = {
        {"ver1.tmp", at + 5},          // this run's
        {"ver2.tmp", at - second},     // this run's, on a disk of coarse times
        {"ver3.tmp", at + 9 * second}, // there before: another installer's
        {"ver4.tmp", at - 3 * second}, // older than the run
        {"readme.txt", at + 1},        // not the installer's
    };
    const std::string earlier = JoinNames({"VER3.TMP", "other name"});
    EXPECT_EQ(SplitNames(earlier), (std::vector<std::string>{"VER3.TMP", "other name"}));
    EXPECT_TRUE(SplitNames(JoinNames({})).empty());
    EXPECT_EQ(RunsTemporaries(now, SplitNames(earlier), at), (std::vector<std::string>{"ver1.tmp", "ver2.tmp"}));

    // The record survives the journal and becomes one step of the undo.
    JournalRecord record;
    record.Kind = RecordKind::InstallerFolder;
    record.Path = "C:\\App";
    record.Data = earlier;
    record.LastWriteTime = at;
    JournalRecord move;
    move.Kind = RecordKind::RestartMoveAdded;
    move.Path = "C:\\WINDOWS\\TEMP\\A.DLL";
    const std::string bytes = std::string(kJournalMagic, sizeof(kJournalMagic)) + EncodeRecord(record) + EncodeRecord(move) + EncodeRecord(record);
    const std::vector<UndoAction> plan = PlanUndo(ReadJournal(bytes));
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].Step, UndoStep::WithdrawRestartMove);
    EXPECT_EQ(plan[1].Step, UndoStep::RemoveTemporaries);
    EXPECT_EQ(plan[1].Record.Data, earlier);
    EXPECT_EQ(plan[1].Record.LastWriteTime, at);
}

} // namespace
