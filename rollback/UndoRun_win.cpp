#include "rollback/UndoRun_win.h"

#include <optional>

#include "text/IniEdit.h"
#include "text/ShortNames.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/RegistryState_win.h"
#include "rollback/UndoPlan.h"
#include "windows/FindFiles_win.h"
#include "windows/Platform_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/ProcAddress_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

const char kJournalFileName[] = "journal";
const char kJournalFolderPrefix[] = "Undo-";

namespace {

using ServerFunction = HRESULT(STDAPICALLTYPE*)();

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWhole(HANDLE file) {
    std::string bytes;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char buffer[64 * 1024];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

HKEY RootKey(uint32_t number) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(number)));
}

FILETIME Split(uint64_t time) {
    return FILETIME{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
}

// Windows 95, 98 and ME carry out wininit.ini's [rename] lines at the next
// start (NUL= deletes); NT and later their list of delayed moves.
bool MoveAtRestart(const std::string& from, const std::string& to) {
    if (PlatformId() == VER_PLATFORM_WIN32_NT)
        return MoveFileExA(from.c_str(), to.empty() ? nullptr : to.c_str(),
                           MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING);
    const std::string shortFrom = ShortPathOf(from);
    if (to.empty())
        return AddIniEntryInFile(WininitIniPath(), "rename", "NUL", shortFrom) == IniUpdateResult::Written;
    return UpdateIniKeyInFile(WininitIniPath(), "rename", RestartRenameTarget(to, ShortPathOf(to)), shortFrom) ==
           IniUpdateResult::Written;
}

// Two names of one file (a hard-link backup of a file that was never
// replaced). Opened without access, which no sharing mode refuses.
bool SameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    const FileHandle one(CreateFileA(a.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    const FileHandle two(CreateFileA(b.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    return one && two && GetFileInformationByHandle(one.get(), &first) &&
           GetFileInformationByHandle(two.get(), &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

class Undo {
public:
    UndoReport Report;

    void Run(const UndoAction& action) {
        const JournalRecord& record = action.Record;
        switch (action.Step) {
        case UndoStep::Unregister:
            CallServer(record.Path, "DllUnregisterServer", "unregistered");
            break;
        case UndoStep::RegisterAgain:
            CallServer(record.Path, "DllRegisterServer", "registered again");
            break;
        case UndoStep::DeleteFile:
            DeleteCreatedFile(record.Path);
            break;
        case UndoStep::RestoreFile:
            RestoreFile(record);
            break;
        case UndoStep::RemoveDirectory:
            // The folder did not exist before the run: all in it is the run's.
            RemoveFolderTree(record.Path);
            break;
        case UndoStep::RestoreValue:
            RestoreValue(record);
            break;
        case UndoStep::RestoreKey:
            RestoreKey(record);
            break;
        }
    }

private:
    void Tell(const std::string& line) { Report.Problems.push_back(line); }

    void CallServer(const std::string& path, const char* name, const char* done) {
        if (!Exists(path))
            return;
        const Library library = LoadInstalledLibrary(path);
        const auto server = library ? ProcAddress<ServerFunction>(library.get(), name) : nullptr;
        if (server && server() != S_OK)
            Tell(path + " could not be " + done + ".");
    }

    void DeleteCreatedFile(const std::string& path) {
        if (!Exists(path))
            return;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(path.c_str()))
            return;
        if (MoveAtRestart(path, std::string()))
            Tell(path + " is in use; setup will delete it at the next restart.");
        else
            Tell(path + " is in use and could not be deleted.");
    }

    void RestoreFile(const JournalRecord& record) {
        const std::string& path = record.Path;
        if (record.Backup.empty()) {
            Tell(path + " could not be put back: setup could not keep a copy of it.");
            return;
        }
        // Put back by an earlier, interrupted undo, or never replaced.
        if (!Exists(record.Backup) || SameFile(path, record.Backup))
            return;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!MoveFileExA(record.Backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
            RestoreAtRestart(record);
            return;
        }
        {
            const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            const FILETIME created = Split(record.CreationTime);
            const FILETIME written = Split(record.LastWriteTime);
            if (file)
                SetFileTime(file.get(), &created, nullptr, &written);
        }
        SetFileAttributesA(path.c_str(), record.Attributes);
    }

    // The copy waits beside the file, on its volume, for the restart.
    void RestoreAtRestart(const JournalRecord& record) {
        const std::string& path = record.Path;
        std::string directory = path.substr(0, path.find_last_of('\\') + 1);
        std::string waiting(MAX_PATH + 1, '\0');
        if (GetTempFileNameA(directory.c_str(), "und", 0, waiting.data()) != 0) {
            waiting.resize(waiting.find('\0'));
            if (CopyFileA(record.Backup.c_str(), waiting.c_str(), FALSE) && MoveAtRestart(waiting, path)) {
                Tell(path + " is in use; setup will put its earlier version back at the next restart.");
                return;
            }
            DeleteFileA(waiting.c_str());
        }
        Tell(path + " is in use and could not be put back.");
    }

    void RestoreValue(const JournalRecord& record) {
        const HKEY root = RootKey(record.Root);
        std::optional<RegistryValueCopy> before;
        if (record.Existed)
            before = RegistryValueCopy{record.Name, record.Type, record.Data};
        if (!PutRegistryValue(root, record.Path, record.Name, before))
            Tell("The registry value " + record.Name + " of " + record.Path + " could not be put back.");
        RemoveEmptyKeys(root, record.Path, record.KeptKey);
    }

    void RestoreKey(const JournalRecord& record) {
        const HKEY root = RootKey(record.Root);
        std::vector<RegistryValueCopy> values;
        if (!DecodeValueList(record.Data, values) || (!KeyExists(root, record.Path) && !record.Existed))
            return;
        if (!PutAllValues(root, record.Path, record.Existed ? values : std::vector<RegistryValueCopy>{}))
            Tell("The registry key " + record.Path + " could not be put back.");
        if (!record.Existed)
            RemoveEmptyKeys(root, record.Path, record.KeptKey);
    }
};

} // namespace

void RemoveJournalFolder(const std::string& folder) {
    RemoveFolderTree(folder);
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ForEachMatchingFile(folder + "\\*", [&](const std::string& name, bool isDirectory) {
        if (!isDirectory)
            MoveAtRestart(folder + "\\" + name, std::string());
    });
    // Wininit.exe deletes files only; on Windows 95, 98 and ME the empty
    // folder goes at the next start of setup (RemoveEmptyJournalFolders).
    if (PlatformId() == VER_PLATFORM_WIN32_NT)
        MoveAtRestart(folder, std::string());
}

void RemoveEmptyJournalFolders() {
    const std::string parent = WindowsDirectory() + "\\TEMP\\";
    ForEachMatchingFile(parent + kJournalFolderPrefix + "*", [&](const std::string& name, bool isDirectory) {
        if (isDirectory)
            RemoveDirectoryA((parent + name).c_str());
    });
}

FileHandle ClaimJournal(const std::string& folder) {
    return FileHandle(CreateFileA((folder + "\\" + kJournalFileName).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

UndoReport UndoJournal(const std::string& folder, FileHandle journal) {
    Undo undo;
    for (const UndoAction& action : PlanUndo(ReadJournal(ReadWhole(journal.get()))))
        undo.Run(action);
    journal.reset();
    RemoveOpenRun(folder);
    RemoveJournalFolder(folder);
    return undo.Report;
}
