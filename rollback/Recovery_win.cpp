#include "rollback/Recovery_win.h"

#include "rollback/JournalFolder.h"
#include "rollback/OpenRuns_win.h"
#include "rollback/UndoMessage_win.h"
#include "rollback/UndoRun_win.h"
#include "windows/OwnFolderCheck_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/SystemPaths_win.h"

void RecoverInterruptedRuns() {
    RemoveEmptyJournalFolders();
    const std::string windowsDirectory = WindowsDirectory();
    for (const std::string& folder : OpenRuns()) {
        // The list is a registry value: a name that is not a journal folder
        // of our own form and making is only taken off it, never acted on.
        if (!IsJournalFolderPath(folder, windowsDirectory) || !IsOwnPrivateFolder(folder)) {
            RemoveOpenRun(folder);
            continue;
        }
        if (KindOfName(folder + "\\" + kJournalFileName) == NameKind::Missing) {
            RemoveOpenRun(folder);
            RemoveJournalFolder(folder);
            continue;
        }
        // A run that is still going holds its journal: it is left alone.
        FileHandle journal = ClaimJournal(folder);
        if (!journal)
            continue;
        ShowUndoMessage(UndoOccasion::EarlierRun, UndoJournal(folder, std::move(journal)));
    }
}
