// The journal of one installation run: one record per change, written and
// flushed before the change is made, so that the run can be undone whatever
// stopped it. Each record is framed with its length and a CRC-32 of its
// bytes, so a record torn by a crash or a power cut is recognised and, being
// the last, ignored: its change was never begun.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class RecordKind : uint8_t {
    FileCreated = 1,       // Path did not exist
    FileReplaced = 2,      // Path existed; Backup holds its bytes, Attributes and times its state
    DirectoryMade = 3,     // Path did not exist; nothing inside it gets records of its own
    RegistryValue = 4,     // Root\Path value Name: Existed, Type, Data before the change
    RegistryKey = 5,       // Root\Path: all its values before the change (Data, see EncodeValueList)
    LibraryRegistered = 6, // Path's DllRegisterServer is about to run; Existed: the file was there before
    RestartMoveAdded = 7,  // NT is about to be asked to move Path to Data (empty: delete Path) at the restart
    WininitEntryAdded = 8, // the line Name=Data is about to be put in [rename] of wininit.ini at Path;
                           // Existed: the file was there before
    InstallerFolder = 9,   // the version-aware installer is about to copy into folder Path, at LastWriteTime;
                           // Data: its temporary files there before (see InstallerTemporaries.h)
};

struct JournalRecord {
    RecordKind Kind = RecordKind::FileCreated;
    std::string Path;        // file, directory, library or registry key below Root
    std::string Backup;      // FileReplaced
    std::string Name;        // RegistryValue: the value's name
    std::string Data;        // RegistryValue: its bytes; RegistryKey: the encoded values
    std::string KeptKey;     // registry records: the deepest part of Path that existed before
    uint32_t Root = 0;       // registry records: the predefined key's number
    uint32_t Type = 0;       // RegistryValue: the value's type
    uint32_t Attributes = 0; // FileReplaced
    uint64_t CreationTime = 0;
    uint64_t LastWriteTime = 0;
    bool Existed = false;    // RegistryValue, LibraryRegistered
};

// The first bytes of every journal file.
extern const char kJournalMagic[8];

// One framed record: length (4 bytes), CRC-32 (4 bytes), then the body.
std::string EncodeRecord(const JournalRecord& record);

// The records of a journal, in order. Reading stops at the first record that
// is incomplete or fails its check: nothing after a torn record is trusted.
// A text without the magic holds no records.
std::vector<JournalRecord> ReadJournal(std::string_view bytes);

// The values of a registry key, as a RegistryKey record keeps them.
struct RegistryValueCopy {
    std::string Name;
    uint32_t Type = 0;
    std::string Data;
};
std::string EncodeValueList(const std::vector<RegistryValueCopy>& values);
// False when the bytes are not a complete list.
bool DecodeValueList(std::string_view bytes, std::vector<RegistryValueCopy>& values);

// The parent of a registry key path or file path (text before the last
// backslash; empty when there is none).
std::string ParentPath(const std::string& path);
