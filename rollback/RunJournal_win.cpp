#include "rollback/RunJournal_win.h"

#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "rollback/JournalRecord.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/RegistryState_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

struct OpenJournal {
    std::string Folder;
    FileHandle File;
    std::set<std::string> Journaled; // targets with a record: the first keeps the state before the run
    std::vector<std::string> MadeFolders; // folded, each ending in a backslash
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

// The records reach the disk before the changes they describe begin: one
// write and one flush for all of them.
void Write(const std::vector<JournalRecord>& records) {
    OpenJournal& journal = Journal();
    std::string bytes;
    for (const JournalRecord& record : records)
        bytes += EncodeRecord(record);
    if ((!WriteAll(journal.File.get(), bytes) || !FlushFileBuffers(journal.File.get())) &&
        !std::exchange(journal.WriteFailureTold, true))
        AskUser(nullptr,
                "Setup could not write its record of the installation; a stopped installation may not be undone "
                "completely.",
                "Setup", MB_OK | MB_ICONWARNING, IDOK);
}

void Write(const JournalRecord& record) { Write(std::vector<JournalRecord>{record}); }

std::string Folded(const std::string& text) {
    std::string folded = text;
    CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

// True the first time a target is journaled in this run.
bool FirstTime(const std::string& target) {
    return Journal().Journaled.insert(Folded(target)).second;
}

// Everything inside a folder this run made is the run's own: the folder's
// undo removes it whole, so nothing in it needs a record (and a first
// installation pays for one record per folder, not per file).
bool InsideMadeFolder(const std::string& path) {
    std::string folded = Folded(path);
    if (folded.empty() || folded.back() != '\\')
        folded += '\\'; // the made folder itself counts too
    for (const std::string& folder : Journal().MadeFolders)
        if (folded.compare(0, folder.size(), folder) == 0)
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
    journal.Folder = MakePrivateFolder(WindowsDirectory() + "\\TEMP", kJournalFolderPrefix);
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

// The record of a file's first change in the run; nothing when it needs
// none (no journal, already recorded, inside a folder the run made).
std::optional<JournalRecord> FileRecord(const std::string& path, FileChange change) {
    if (!RunJournalOpen() || InsideMadeFolder(path) || !FirstTime("F" + path))
        return std::nullopt;
    JournalRecord record;
    record.Path = path;
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
    return record;
}

} // namespace

void JournalFile(const std::string& path, FileChange change) {
    if (const std::optional<JournalRecord> record = FileRecord(path, change))
        Write(*record);
}

void JournalFiles(const std::vector<std::string>& paths) {
    std::vector<JournalRecord> records;
    for (const std::string& path : paths)
        if (std::optional<JournalRecord> record = FileRecord(path, FileChange::Replaced))
            records.push_back(std::move(*record));
    if (!records.empty())
        Write(records);
}

void JournalNewDirectory(const std::string& path) {
    // The cheap test first: a folder inside a made one is there, or the
    // made one's undo covers it.
    if (!RunJournalOpen() || InsideMadeFolder(path) || GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES ||
        !FirstTime("D" + path))
        return;
    JournalRecord record;
    record.Kind = RecordKind::DirectoryMade;
    record.Path = path;
    Write(record);
    std::string folder = Folded(path);
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
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
        return UndoReport{{"The record of the installation in " + folder + " could not be read; nothing was undone."}};
    return UndoJournal(folder, std::move(claimed));
}
