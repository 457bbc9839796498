#include "rollback/NewFolders_win.h"

#include <windows.h>

#include "rollback/RunJournal_win.h"
#include "text/PathText.h"
#include "windows/SystemPaths_win.h"

namespace {
bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace

bool MakeFolderWhole(const std::string& path) {
    // The common case, a folder made for an earlier file, costs one call.
    if (IsFolder(path))
        return true;
    // A typed "C:\Apps\..\Games" makes C:\Games and nothing else.
    const std::string full = NormalizedPath(FullPathOf(path));
    if (full.empty())
        return false;
    for (const std::string& level : FolderLevels(full)) {
        if (GetFileAttributesA(level.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue; // there before (a file of that name makes the next level fail)
        JournalNewDirectory(level);
        if (!CreateDirectoryA(level.c_str(), nullptr) && !IsFolder(level))
            return false;
    }
    return IsFolder(full);
}
