#include "rollback/Recovery_win.h"

#include "rollback/OpenRuns_win.h"
#include "rollback/UndoMessage_win.h"
#include "rollback/UndoRun_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemPaths_win.h"

namespace {

// Journals live directly in <Windows>\TEMP; a value naming any other place
// is not one of ours and is only taken off the list.
bool InJournalPlace(const std::string& folder) {
    const std::string parent = WindowsDirectory() + "\\TEMP\\";
    return folder.size() > parent.size() && CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, folder.c_str(),
                                                           static_cast<int>(parent.size()), parent.c_str(),
                                                           static_cast<int>(parent.size())) == CSTR_EQUAL &&
           folder.find('\\', parent.size()) == std::string::npos;
}

} // namespace

void RecoverInterruptedRuns() {
    RemoveEmptyJournalFolders();
    for (const std::string& folder : OpenRuns()) {
        if (!InJournalPlace(folder) || GetFileAttributesA((folder + "\\" + kJournalFileName).c_str()) == INVALID_FILE_ATTRIBUTES) {
            RemoveOpenRun(folder);
            if (InJournalPlace(folder))
                RemoveFolderTree(folder);
            continue;
        }
        // A run that is still going holds its journal: it is left alone.
        FileHandle journal = ClaimJournal(folder);
        if (!journal)
            continue;
        ShowUndoMessage(UndoOccasion::EarlierRun, UndoJournal(folder, std::move(journal)));
    }
}
