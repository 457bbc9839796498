// Undoing the changes a journal folder records (see UndoPlan.h) and removing
// the folder. Used for the run that stops and for a run found unfinished at
// the next start.
#pragma once
#include <string>
#include <vector>

#include "windows/Handles_win.h"

struct UndoReport {
    // One line per change that waits for the next restart to be undone (a
    // file in use, the folder that holds it).
    std::vector<std::string> AtRestart;
    // One line per change that could not be undone, saying why.
    std::vector<std::string> Problems;
};

// journal is the folder's journal file as ClaimJournal opened it, which
// proves that no live run owns it. Once every step is done the run is no
// longer open and the folder goes; an interrupted undo leaves both, and
// running it again finishes it.
UndoReport UndoJournal(const std::string& folder, FileHandle journal);

// Removes a journal folder; a file still in use (a backup linked to a
// library that another program has loaded) and the folder go at the next
// restart.
void RemoveJournalFolder(const std::string& folder);
// Removes the empty journal folders that a restart left.
void RemoveEmptyJournalFolders();

// Opens folder's journal that way; an invalid handle when a live run holds it.
FileHandle ClaimJournal(const std::string& folder);
