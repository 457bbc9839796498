#include "install/ShortForms_win.h"

#include <windows.h>

#include <map>

#include "install/OwnShortName.h"
#include "text/PathText.h"
#include "windows/Handles_win.h"
#include "windows/SystemPaths_win.h"

namespace {

bool IsDriveAlone(const std::string& directory) {
    return directory.size() == 2 && directory[1] == ':';
}

}

std::string ShortDirectoryForm(const std::string& directory) {
    // "C:" alone would name the drive's current directory, not its root.
    if (IsDriveAlone(directory))
        return directory;
    // Directories keep their short names while setup runs; only found ones
    // are remembered, so a directory created later is looked up again.
    static std::map<std::string, std::string> known;
    const auto found = known.find(directory);
    if (found != known.end())
        return found->second;
    const std::string shortForm = ShortPathOf(directory);
    if (!shortForm.empty())
        known.emplace(directory, shortForm);
    return shortForm;
}

std::string ShortFileForm(const std::string& path) {
    const PathSplit parts = SplitAtLastBackslash(path);
    if (parts.Directory.empty() || parts.Name.find_first_of("*?") != std::string::npos)
        return ShortPathOf(path);
    const std::string directory = ShortDirectoryForm(parts.Directory);
    // Nothing to look up: the file system would give the name back.
    if (IsOwnShortName(parts.Name))
        return directory.empty() ? std::string() : directory + "\\" + parts.Name;
    WIN32_FIND_DATAA data;
    const FindHandle find(FindFirstFileA(path.c_str(), &data));
    if (directory.empty() || !find)
        return std::string();
    // No alternate name: the name is a valid short name itself.
    const char* name = data.cAlternateFileName[0] ? data.cAlternateFileName : data.cFileName;
    return directory + "\\" + name;
}
