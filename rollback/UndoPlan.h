// What undoing a journal does, step by step: the changes in reverse order,
// each target (a file, a folder, a registry value or key) put back to the
// state its first record kept. Every step can be repeated, so an undo that
// is itself interrupted is finished by running the plan again.
#pragma once
#include <vector>

#include "rollback/JournalRecord.h"

enum class UndoStep {
    Unregister,      // a library this run brought: DllUnregisterServer while it is still there
    DeleteFile,      // a file this run created
    RestoreFile,     // a file this run replaced: its backup goes back, with attributes and times
    RegisterAgain,   // a library this run replaced and registered: the restored one registers again
    RemoveDirectory, // a folder this run made, with everything in it
    RestoreValue,    // a registry value: its old type and bytes, or gone
    RestoreKey,      // a registry key: exactly its old values, or gone when it did not exist
    WithdrawRestartMove,  // the run's own delayed move, taken out of the system's list alone
    WithdrawWininitEntry, // the run's own line of wininit.ini, taken out alone
    RemoveTemporaries,    // the installer's temporary files that this run left in a folder
};

struct UndoAction {
    UndoStep Step = UndoStep::DeleteFile;
    JournalRecord Record;
};

std::vector<UndoAction> PlanUndo(const std::vector<JournalRecord>& journal);
