#include <gtest/gtest.h>

#include "rollback/JournalRecord.h"
#include "rollback/UndoPlan.h"

namespace {

JournalRecord Record(RecordKind kind, const std::string& path, bool existed = false) {
    JournalRecord record;
    record.Kind = kind;
    record.Path = path;
    record.Existed = existed;
    return record;
}

std::string JournalOf(const std::vector<JournalRecord>& records) {
    std::string bytes(kJournalMagic, sizeof(kJournalMagic));
    for (const JournalRecord& record : records)
        bytes += EncodeRecord(record);
    return bytes;
}

std::vector<UndoStep> StepsOf(const std::vector<UndoAction>& plan) {
    std::vector<UndoStep> steps;
    for (const UndoAction& action : plan)
        steps.push_back(action.Step);
    return steps;
}

TEST(JournalTest, EveryFieldReadsBackAndATornLastRecordIsIgnoredAtEveryByte) {
    JournalRecord value = Record(RecordKind::RegistryValue, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs");
    value.Root = 0x80000002u;
    value.Name = "C:\\WINDOWS\\SYSTEM\\A.DLL";
    value.Type = 4;
    value.Data = std::string("\x02\0\0\0", 4);
    value.KeptKey = "Software";
    value.Existed = true;
    JournalRecord replaced = Record(RecordKind::FileReplaced, "C:\\App\\a.exe");
    replaced.Backup = "C:\\WINDOWS\\TEMP\\Undo-1\\1";
    replaced.Attributes = 0x21;
    replaced.CreationTime = 0x01D0000000000001ull;
    replaced.LastWriteTime = 0xFFFFFFFFFFFFFFFFull;
    const std::string complete = JournalOf({value, replaced});

    const std::vector<JournalRecord> read = ReadJournal(complete);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Name, value.Name);
    EXPECT_EQ(read[0].Data, value.Data);
    EXPECT_EQ(read[0].Root, value.Root);
    EXPECT_EQ(read[0].KeptKey, "Software");
    EXPECT_TRUE(read[0].Existed);
    EXPECT_EQ(read[1].Backup, replaced.Backup);
    EXPECT_EQ(read[1].Attributes, 0x21u);
    EXPECT_EQ(read[1].CreationTime, replaced.CreationTime);
    EXPECT_EQ(read[1].LastWriteTime, replaced.LastWriteTime);

    const size_t lastStart = JournalOf({value}).size();
    for (size_t cut = lastStart; cut < complete.size(); ++cut)
        EXPECT_EQ(ReadJournal(complete.substr(0, cut)).size(), 1u) << "cut at " << cut;
    for (size_t flipped = lastStart; flipped < complete.size(); ++flipped) {
        std::string damaged = complete;
        damaged[flipped] = static_cast<char>(damaged[flipped] ^ 0x40);
        EXPECT_EQ(ReadJournal(damaged).size(), 1u) << "byte " << flipped;
    }
    EXPECT_TRUE(ReadJournal(complete.substr(1)).empty());
}

TEST(JournalTest, ValueListsRoundTripAndRefuseTruncation) {
    const std::vector<RegistryValueCopy> values = {{"DisplayName", 1, std::string("Demo\0", 5)}, {"", 3, ""}};
    const std::string bytes = EncodeValueList(values);
    std::vector<RegistryValueCopy> read;
    ASSERT_TRUE(DecodeValueList(bytes, read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Data, values[0].Data);
    EXPECT_EQ(read[1].Type, 3u);
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(DecodeValueList(bytes.substr(0, cut), read));
}

TEST(UndoPlanTest, ReverseOrderFirstRecordPerTargetAndLibrariesAroundTheirFiles) {
    const std::vector<JournalRecord> journal = {
        Record(RecordKind::DirectoryMade, "C:\\App"),
        Record(RecordKind::FileCreated, "C:\\App\\new.dll"),
        Record(RecordKind::LibraryRegistered, "C:\\App\\new.dll", false),
        Record(RecordKind::FileReplaced, "C:\\Sys\\old.dll"),
        Record(RecordKind::LibraryRegistered, "C:\\Sys\\old.dll", true),
        Record(RecordKind::FileReplaced, "c:\\app\\NEW.dll"), // a second record of one file: the first counts
        Record(RecordKind::RegistryKey, "Software\\Uninstall\\Demo"),
        Record(RecordKind::RegistryValue, "Software\\SharedDLLs"),
    };
    const std::vector<UndoAction> plan = PlanUndo(journal);
    EXPECT_EQ(StepsOf(plan), (std::vector<UndoStep>{UndoStep::RestoreValue, UndoStep::RestoreKey,
                                                     UndoStep::RestoreFile, UndoStep::RegisterAgain,
                                                     UndoStep::Unregister, UndoStep::DeleteFile,
                                                     UndoStep::RemoveDirectory}));
    EXPECT_EQ(plan[2].Record.Path, "C:\\Sys\\old.dll");
    EXPECT_EQ(plan[5].Record.Path, "C:\\App\\new.dll");
    EXPECT_TRUE(PlanUndo({}).empty());
}

} // namespace

// A section's records are written before its files' folders are made: the
// folders still go last, the one made last first.
TEST(UndoPlanTest, FoldersGoAfterTheFilesRecordedBeforeThem) {
    const std::vector<JournalRecord> journal = {
        Record(RecordKind::FileCreated, "C:\\New\\Deep\\a.txt"),
        Record(RecordKind::DirectoryMade, "C:\\New"),
        Record(RecordKind::DirectoryMade, "C:\\New\\Deep"),
        Record(RecordKind::FileCreated, "C:\\New\\Deep\\b.txt"),
    };
    const std::vector<UndoAction> plan = PlanUndo(journal);
    EXPECT_EQ(StepsOf(plan), (std::vector<UndoStep>{UndoStep::DeleteFile, UndoStep::DeleteFile,
                                                     UndoStep::RemoveDirectory, UndoStep::RemoveDirectory}));
    EXPECT_EQ(plan[2].Record.Path, "C:\\New\\Deep");
    EXPECT_EQ(plan[3].Record.Path, "C:\\New");
}
