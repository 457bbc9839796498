#include "rollback/UndoRun_win.h"

#include <optional>

#include "text/FileBytes.h"
#include "text/IniEdit.h"
#include "text/ShortNames.h"
#include "rollback/InstallerTemporaries.h"
#include "rollback/JournalFolder.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/RegistryState_win.h"
#include "rollback/RestartMoves.h"
#include "rollback/UndoPlan.h"
#include "windows/FindFiles_win.h"
#include "windows/Platform_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/PrivateFolderName.h"
#include "windows/ProcAddress_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

namespace {

using ServerFunction = HRESULT(STDAPICALLTYPE*)();

std::string FoldedPath(const std::string& path) {
    std::string folded = path;
    CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

std::string WithoutTrailingBackslash(std::string path) {
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

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
            RemoveMadeFolder(record.Path);
            break;
        case UndoStep::RestoreValue:
            RestoreValue(record);
            break;
        case UndoStep::RestoreKey:
            RestoreKey(record);
            break;
        case UndoStep::WithdrawRestartMove:
            WithdrawRestartMove(record);
            break;
        case UndoStep::WithdrawWininitEntry:
            WithdrawWininitEntry(record);
            break;
        case UndoStep::RemoveTemporaries:
            RemoveTemporaries(record);
            break;
        }
    }

    // The folders the journal says the run made (folded, each ending in a
    // backslash): a name below one of them that now leads through a link
    // is not the run's any more.
    void KnowMadeFolders(const std::vector<UndoAction>& plan) {
        for (const UndoAction& action : plan)
            if (action.Step == UndoStep::RemoveDirectory)
                madeFolders_.push_back(FoldedPath(WithoutTrailingBackslash(action.Record.Path)) + "\\");
    }

private:
    std::vector<std::string> deletedAtRestart_; // folded
    std::vector<std::string> madeFolders_;

    bool InsideMadeFolder(const std::string& folder) const {
        const std::string inside = FoldedPath(folder) + "\\";
        for (const std::string& made : madeFolders_)
            if (inside.compare(0, made.size(), made) == 0)
                return true;
        return false;
    }

    // Every folder on the way to path that the run made is judged, from an
    // open handle, when its turn comes: a link put there since (after a
    // crash, by someone able to write there) is never followed.
    bool ReachedThroughLink(const std::string& path) {
        for (std::string folder = ParentPath(path); !folder.empty() && InsideMadeFolder(folder);
             folder = ParentPath(folder))
            if (KindOfName(folder) == NameKind::Link) {
                Tell(path + " was left: the way to it leads through a link, which setup never follows.");
                return true;
            }
        return false;
    }

    void Tell(const std::string& line) { Report.Problems.push_back(line); }

    // line says what waits for the restart.
    void DeleteAtRestart(const std::string& path, const std::string& line) {
        if (MoveAtRestart(path, std::string())) {
            Report.AtRestart.push_back(line);
            deletedAtRestart_.push_back(FoldedPath(path) + "\\");
        } else {
            Tell(path + " is in use and could not be deleted.");
        }
    }

    bool HoldsDeletedAtRestart(const std::string& folder) const {
        const std::string inside = FoldedPath(folder) + "\\";
        for (const std::string& path : deletedAtRestart_)
            if (path.size() > inside.size() && path.compare(0, inside.size(), inside) == 0)
                return true;
        return false;
    }

    // Only what the journal says the run made goes: each file inside has a
    // record of its own and went before its folder, so a folder that is not
    // empty now holds files in use (then it goes after them, at the restart)
    // or files someone else put there (then it stays, with them).
    void RemoveMadeFolder(const std::string& recorded) {
        const std::string path = WithoutTrailingBackslash(recorded);
        if (ReachedThroughLink(path))
            return;
        switch (KindOfName(path)) {
        case NameKind::Missing:
            return;
        case NameKind::Link:
        case NameKind::File:
            Tell(path + " is no longer the folder setup made; it was left as it is.");
            return;
        case NameKind::Folder:
            break;
        }
        if (RemoveDirectoryA(path.c_str()))
            return;
        if (!HoldsDeletedAtRestart(path)) {
            Tell("The folder " + path + " was left: it holds files that setup did not put there.");
            return;
        }
        // Wininit.exe deletes files only.
        if (PlatformId() == VER_PLATFORM_WIN32_NT)
            DeleteAtRestart(path, "The folder " + path + ", which holds it, is removed at the next restart.");
        else
            Tell("The folder " + path + " is empty after the next restart; remove it then.");
    }

    void RemoveTemporaries(const JournalRecord& record) {
        std::vector<FoundTemporary> found;
        WIN32_FIND_DATAA data;
        const FindHandle search(FindFirstFileA((record.Path + "\\ver*.tmp").c_str(), &data));
        if (search) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    found.push_back({data.cFileName, (static_cast<uint64_t>(data.ftCreationTime.dwHighDateTime) << 32) |
                                                         data.ftCreationTime.dwLowDateTime});
            } while (FindNextFileA(search.get(), &data));
        }
        for (const std::string& name : RunsTemporaries(found, SplitNames(record.Data), record.LastWriteTime)) {
            const std::string path = record.Path + "\\" + name;
            if (ReachedThroughLink(path))
                continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(path.c_str()))
                DeleteAtRestart(path, "The installer's temporary file " + path + " (in use) is deleted at the next restart.");
        }
    }

    void CallServer(const std::string& path, const char* name, const char* done) {
        if (!Exists(path))
            return;
        const Library library = LoadInstalledLibrary(path);
        const auto server = library ? ProcAddress<ServerFunction>(library.get(), name) : nullptr;
        if (server && server() != S_OK)
            Tell(path + " could not be " + done + ".");
    }

    void DeleteCreatedFile(const std::string& path) {
        if (!Exists(path) || ReachedThroughLink(path))
            return;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str()))
            DeleteAtRestart(path, "The file " + path + " (in use) is deleted at the next restart.");
    }

    void RestoreFile(const JournalRecord& record) {
        const std::string& path = record.Path;
        if (record.Backup.empty()) {
            Tell(path + " could not be put back: setup could not keep a copy of it.");
            return;
        }
        // Put back by an earlier, interrupted undo, or never replaced.
        if (!Exists(record.Backup) || SameFile(path, record.Backup) || ReachedThroughLink(path))
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
                Report.AtRestart.push_back("The file " + path + " (in use) gets its earlier version back at the next restart.");
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

    // Read, edited and written back at once: only the run's own pair goes.
    void WithdrawRestartMove(const JournalRecord& record) {
        const auto value = ReadRegistryValue(HKEY_LOCAL_MACHINE, kPendingMovesKey, kPendingMovesValue);
        if (!value)
            return;
        const auto rest = WithoutRestartMove(value->Data, RestartMove{record.Path, record.Data});
        if (!rest)
            return;
        std::optional<RegistryValueCopy> kept;
        if (!rest->empty())
            kept = RegistryValueCopy{value->Name, value->Type, *rest};
        if (!PutRegistryValue(HKEY_LOCAL_MACHINE, kPendingMovesKey, kPendingMovesValue, kept))
            Tell("The replacement of " + record.Data + " at the next restart could not be withdrawn.");
    }

    void WithdrawWininitEntry(const JournalRecord& record) {
        if (RemoveIniEntryInFile(record.Path, "rename", record.Name, record.Data) != IniUpdateResult::Written) {
            Tell("The line " + record.Name + "=" + record.Data + " could not be taken out of " + record.Path + ".");
            return;
        }
        std::string text;
        if (!record.Existed && ReadWholeFile(record.Path, text) == FileReadResult::Read &&
            HoldsOnlyEmptySections(text))
            DeleteFileA(record.Path.c_str());
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
    const std::string parent = JournalFolderParent(WindowsDirectory()) + "\\";
    ForEachMatchingFile(parent + kJournalFolderPrefix + "*", [&](const std::string& name, bool isDirectory) {
        if (isDirectory && IsPrivateFolderName(name, kJournalFolderPrefix))
            RemoveDirectoryA((parent + name).c_str());
    });
}

FileHandle ClaimJournal(const std::string& folder) {
    return FileHandle(CreateFileA((folder + "\\" + kJournalFileName).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

UndoReport UndoJournal(const std::string& folder, FileHandle journal) {
    Undo undo;
    const std::vector<UndoAction> plan = PlanUndo(ReadJournal(ReadWhole(journal.get())));
    undo.KnowMadeFolders(plan);
    for (const UndoAction& action : plan)
        undo.Run(action);
    journal.reset();
    RemoveOpenRun(folder);
    RemoveJournalFolder(folder);
    return undo.Report;
}
