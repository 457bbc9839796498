#include "rollback/NewFolders_win.h"

#include <windows.h>

#include <vector>

#include "rollback/RunJournal_win.h"
#include "text/PathText.h"
#include "windows/SystemPaths_win.h"

namespace {
bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace

MadeFolder MakeFolderWhole(const std::string& path) {
    MadeFolder made;
    // The common case, a folder made for an earlier file, costs one call.
    if (IsFolder(path)) {
        made.Exists = true;
        return made;
    }
    // A typed "C:\Apps\..\Games" makes C:\Games and nothing else.
    const std::string full = NormalizedPath(FullPathOf(path));
    if (full.empty())
        return made;
    for (const std::string& level : FolderLevels(full)) {
        if (GetFileAttributesA(level.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue; // there before (a file of that name makes the next level fail)
        JournalNewDirectory(level);
        if (!CreateDirectoryA(level.c_str(), nullptr) && !IsFolder(level))
            return made;
        if (made.OutermostMade.empty())
            made.OutermostMade = level;
    }
    made.Exists = IsFolder(full);
    return made;
}

void RemoveEmptyMadeLevels(const std::string& path, const std::string& outermostMade) {
    const std::string top = NormalizedPath(outermostMade);
    if (top.empty())
        return;
    const std::vector<std::string> levels = FolderLevels(NormalizedPath(FullPathOf(path)));
    for (auto level = levels.rbegin(); level != levels.rend() && IsInsideFolder(*level, top); ++level)
        if (!RemoveDirectoryA(level->c_str()))
            return; // not empty: neither is any level above it
}
