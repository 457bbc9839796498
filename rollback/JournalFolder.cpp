#include "rollback/JournalFolder.h"

#include "text/IniSyntax.h"
#include "windows/PrivateFolderName.h"

const char kJournalFileName[] = "journal";
const char kJournalFolderPrefix[] = "Undo-";

std::string JournalFolderParent(const std::string& windowsDirectory) {
    return windowsDirectory + "\\TEMP";
}

bool IsJournalFolderPath(const std::string& path, const std::string& windowsDirectory) {
    const std::string parent = JournalFolderParent(windowsDirectory) + "\\";
    if (windowsDirectory.empty() || path.size() <= parent.size() ||
        !SameNameIgnoringCase(std::string_view(path).substr(0, parent.size()), parent))
        return false;
    return IsPrivateFolderName(path.substr(parent.size()), kJournalFolderPrefix);
}
