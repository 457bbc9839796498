#include "rollback/RunJournal_win.h"

#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "rollback/InstallerTemporaries.h"
#include "rollback/JournalFolder.h"
#include "rollback/JournalRecord.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/RegistryState_win.h"
#include "text/PathText.h"
#include "windows/FindFiles_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

struct OpenJournal {
    std::string Folder;
    FileHandle File;
    std::set<std::string> Journaled; // targets with a record: the first keeps the state before the run
    std::vector<std::string> MadeFolders; // normalized and folded
    unsigned NextBackup = 1;
    bool WriteFailureTold = false; // a full disk would otherwise ask once per record
};

OpenJournal& Journal() {
    static OpenJournal journal;
    return journal;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// How sure a record is to be there after a failure.
enum class Durability {
    Flushed, // on the disk before the change begins
    // Handed to the system only: a kill keeps it, a power cut may lose it.
    // For what lies inside a folder the run made, whose own record is
    // flushed: a lost record leaves its file with its folder, never takes
    // anything of others.
    Written,
};

// The records reach the disk before the changes they describe begin: one
// write (and one flush) for all of them.
void Write(const std::vector<JournalRecord>& records, Durability durability = Durability::Flushed) {
    OpenJournal& journal = Journal();
    std::string bytes;
    for (const JournalRecord& record : records)
        bytes += EncodeRecord(record);
    if ((!WriteAll(journal.File.get(), bytes) ||
         (durability == Durability::Flushed && !FlushFileBuffers(journal.File.get()))) &&
        !std::exchange(journal.WriteFailureTold, true))
        AskUser(nullptr,
                "Setup could not write its record of the installation; a stopped installation may not be undone "
                "completely.",
                "Setup", MB_OK | MB_ICONWARNING, IDOK);
}

void Write(const JournalRecord& record, Durability durability = Durability::Flushed) {
    Write(std::vector<JournalRecord>{record}, durability);
}

std::string Folded(const std::string& text) {
    std::string folded = text;
    CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

// True the first time a target is journaled in this run.
bool FirstTime(const std::string& target) {
    return Journal().Journaled.insert(Folded(target)).second;
}

// The form in which paths are compared: full, normalized ("C:\Demo\..\x"
// is C:\x, outside C:\Demo) and folded; empty for a path that is not full.
std::string Comparable(const std::string& path) {
    return Folded(NormalizedPath(path));
}

// Everything inside a folder this run made is the run's own: it has no
// state before the run to keep, so its record needs no flush.
bool InsideMadeFolder(const std::string& path) {
    const std::string comparable = Comparable(path);
    for (const std::string& folder : Journal().MadeFolders)
        if (IsInsideFolder(comparable, folder))
            return true;
    return false;
}

uint64_t Joined(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// A hard link needs Windows 2000 and a volume that has them; the old name's
// bytes stay with the link when the installer deletes and renames.
bool LinkBackup(const std::string& path, const std::string& backup) {
    static const auto createHardLink =
        SystemFunction<decltype(&CreateHardLinkA)>("kernel32.dll", "CreateHardLinkA");
    return createHardLink && createHardLink(backup.c_str(), path.c_str(), nullptr);
}

std::string KeepBackup(const std::string& path, FileChange change) {
    OpenJournal& journal = Journal();
    const std::string backup = journal.Folder + "\\" + std::to_string(journal.NextBackup++);
    if (change == FileChange::Replaced && LinkBackup(path, backup))
        return backup;
    return CopyFileA(path.c_str(), backup.c_str(), TRUE) ? backup : std::string();
}

uint32_t RootNumber(HKEY root) {
    return static_cast<uint32_t>(reinterpret_cast<ULONG_PTR>(root));
}

void CloseJournal() {
    OpenJournal& journal = Journal();
    journal.File.reset();
    journal.Journaled.clear();
    journal.MadeFolders.clear();
    journal.Folder.clear();
    journal.WriteFailureTold = false;
}

} // namespace

bool RunJournalOpen() {
    return static_cast<bool>(Journal().File);
}

bool OpenRunJournal() {
    OpenJournal& journal = Journal();
    if (journal.File)
        return true;
    journal.Folder = MakePrivateFolder(JournalFolderParent(WindowsDirectory()), kJournalFolderPrefix);
    if (journal.Folder.empty())
        return false;
    journal.File.reset(CreateFileA((journal.Folder + "\\" + kJournalFileName).c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!journal.File || !WriteAll(journal.File.get(), std::string(kJournalMagic, sizeof(kJournalMagic))) ||
        !FlushFileBuffers(journal.File.get()) || !AddOpenRun(journal.Folder)) {
        journal.File.reset();
        RemoveFolderTree(journal.Folder);
        journal.Folder.clear();
        return false;
    }
    return true;
}

namespace {

// The record of a file's first change in the run and how sure it must be;
// nothing when it needs none (no journal, already recorded).
struct FileEntry {
    JournalRecord Record;
    Durability Needs = Durability::Flushed;
};

std::optional<FileEntry> FileRecord(const std::string& path, FileChange change) {
    if (!RunJournalOpen() || !FirstTime("F" + path))
        return std::nullopt;
    JournalRecord record;
    record.Path = path;
    if (InsideMadeFolder(path)) {
        record.Kind = RecordKind::FileCreated;
        return FileEntry{record, Durability::Written};
    }
    WIN32_FILE_ATTRIBUTE_DATA state{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &state)) {
        record.Kind = RecordKind::FileCreated;
    } else {
        record.Kind = RecordKind::FileReplaced;
        record.Backup = KeepBackup(path, change);
        record.Attributes = state.dwFileAttributes;
        record.CreationTime = Joined(state.ftCreationTime);
        record.LastWriteTime = Joined(state.ftLastWriteTime);
    }
    return FileEntry{record, Durability::Flushed};
}

} // namespace

void JournalFile(const std::string& path, FileChange change) {
    if (const std::optional<FileEntry> entry = FileRecord(path, change))
        Write(entry->Record, entry->Needs);
}

void JournalFiles(const std::vector<std::string>& paths) {
    std::vector<JournalRecord> records;
    Durability needs = Durability::Written;
    for (const std::string& path : paths)
        if (std::optional<FileEntry> entry = FileRecord(path, FileChange::Replaced)) {
            records.push_back(std::move(entry->Record));
            if (entry->Needs == Durability::Flushed)
                needs = Durability::Flushed;
        }
    if (!records.empty())
        Write(records, needs);
}

// Each folder made gets its record, also one inside another made folder:
// the undo then knows every level this run made. Only the outermost ones
// are kept for the test above, which they answer alone.
void JournalNewDirectory(const std::string& path) {
    if (!RunJournalOpen() || GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES || !FirstTime("D" + path))
        return;
    JournalRecord record;
    record.Kind = RecordKind::DirectoryMade;
    record.Path = path;
    const bool inside = InsideMadeFolder(path);
    Write(record, inside ? Durability::Written : Durability::Flushed);
    const std::string folder = Comparable(path);
    if (!folder.empty() && !inside)
        Journal().MadeFolders.push_back(folder);
}

void JournalRegistryValue(HKEY root, const std::string& key, const std::string& name) {
    if (!RunJournalOpen() || !FirstTime("V" + std::to_string(RootNumber(root)) + key + "\n" + name))
        return;
    JournalRecord record;
    record.Kind = RecordKind::RegistryValue;
    record.Root = RootNumber(root);
    record.Path = key;
    record.Name = name;
    record.KeptKey = ExistingKeyPart(root, key);
    if (const auto value = ReadRegistryValue(root, key, name)) {
        record.Existed = true;
        record.Type = value->Type;
        record.Data = value->Data;
    }
    Write(record);
}

void JournalRegistryKey(HKEY root, const std::string& key) {
    if (!RunJournalOpen() || !FirstTime("K" + std::to_string(RootNumber(root)) + key))
        return;
    JournalRecord record;
    record.Kind = RecordKind::RegistryKey;
    record.Root = RootNumber(root);
    record.Path = key;
    record.KeptKey = ExistingKeyPart(root, key);
    record.Existed = KeyExists(root, key);
    record.Data = EncodeValueList(ReadAllValues(root, key));
    Write(record);
}

void JournalLibraryRegistration(const std::string& path, bool existedBefore) {
    if (!RunJournalOpen() || !FirstTime("L" + path))
        return;
    JournalRecord record;
    record.Kind = RecordKind::LibraryRegistered;
    record.Path = path;
    record.Existed = existedBefore;
    Write(record);
}

void JournalRestartMove(const std::string& from, const std::string& to) {
    if (!RunJournalOpen() || !FirstTime("M" + from + "\n" + to))
        return;
    JournalRecord record;
    record.Kind = RecordKind::RestartMoveAdded;
    record.Path = from;
    record.Data = to;
    Write(record);
}

void JournalWininitEntry(const std::string& wininit, const std::string& key, const std::string& value) {
    if (!RunJournalOpen() || !FirstTime("W" + wininit + "\n" + key + "\n" + value))
        return;
    JournalRecord record;
    record.Kind = RecordKind::WininitEntryAdded;
    record.Path = wininit;
    record.Name = key;
    record.Data = value;
    record.Existed = GetFileAttributesA(wininit.c_str()) != INVALID_FILE_ATTRIBUTES;
    Write(record);
}

void JournalInstallerFolder(const std::string& folder) {
    if (!RunJournalOpen() || !FirstTime("T" + folder))
        return;
    JournalRecord record;
    record.Kind = RecordKind::InstallerFolder;
    record.Path = folder;
    std::vector<std::string> earlier;
    ForEachMatchingFile(folder + "\\ver*.tmp", [&](const std::string& name, bool isDirectory) {
        if (!isDirectory && IsInstallerTemporaryName(name))
            earlier.push_back(name);
    });
    record.Data = JoinNames(earlier);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    record.LastWriteTime = Joined(now);
    Write(record);
}

namespace {

// The removal of a committed run's folder, which runs behind the pages that
// follow the copy page: with a backup per replaced file it takes as long as
// making them did.
KernelHandle& RemovalThread() {
    static KernelHandle thread;
    return thread;
}

DWORD WINAPI RemoveCommittedFolder(void* folder) {
    const std::unique_ptr<std::string> owned(static_cast<std::string*>(folder));
    RemoveJournalFolder(*owned);
    return 0;
}

} // namespace

void CommitRunJournal() {
    OpenJournal& journal = Journal();
    if (!journal.File)
        return;
    const std::string folder = journal.Folder;
    // The run is no longer open before its journal goes: a crash in between
    // leaves a folder of no consequence, never a half journal to undo.
    RemoveOpenRun(folder);
    CloseJournal();
    FinishCommittedRemoval();
    std::unique_ptr<std::string> owned(new std::string(folder));
    DWORD id = 0;
    RemovalThread().reset(CreateThread(nullptr, 0, &RemoveCommittedFolder, owned.get(), 0, &id));
    if (RemovalThread())
        owned.release(); // the thread's now
    else
        RemoveJournalFolder(folder);
}

void FinishCommittedRemoval() {
    if (!RemovalThread())
        return;
    WaitForSingleObject(RemovalThread().get(), INFINITE);
    RemovalThread().reset();
}

UndoReport UndoOpenRun() {
    OpenJournal& journal = Journal();
    if (!journal.File)
        return UndoReport{};
    const std::string folder = journal.Folder;
    CloseJournal();
    FileHandle claimed = ClaimJournal(folder);
    if (!claimed)
        return UndoReport{{}, {"The record of the installation in " + folder + " could not be read; nothing was undone."}};
    return UndoJournal(folder, std::move(claimed));
}
