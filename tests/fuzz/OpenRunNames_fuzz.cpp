// Feeds arbitrary text to what recovery and the undo read from places others
// can write: the names in the list of open runs, a folder's security text,
// the system's list of restart moves and wininit.ini. Nothing may crash; a
// name taken for a journal folder is exactly one component of our form below
// the temporary folder; a withdrawal only ever takes text away.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rollback/JournalFolder.h"
#include "rollback/RestartMoves.h"
#include "text/IniEdit.h"
#include "windows/FolderSecurity.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string windows = "C:\\WINDOWS";
    if (IsJournalFolderPath(text, windows)) {
        const std::string name = text.substr(JournalFolderParent(windows).size() + 1);
        Require(name.find_first_of("\\/.: ") == std::string::npos && name.size() == 21);
    }
    IsAdministratorsOnlySecurity(text, "S-1-5-21-0-0-0-1000");

    const size_t split = text.find('\n');
    const std::string from = text.substr(0, split);
    const std::string to = split == std::string::npos ? std::string() : text.substr(split + 1, 40);
    if (const auto rest = WithoutRestartMove(text, RestartMove{from, to}))
        Require(rest->size() < text.size() + 2);
    const std::string edited = RemoveEntryKeepingOtherLines(text, "rename", from, to);
    Require(edited.size() <= text.size());
    HoldsOnlyEmptySections(text);
    return 0;
}
