// The one message that tells the user what the undo did.
#pragma once
#include "rollback/UndoRun_win.h"

enum class UndoOccasion {
    StoppedRun,     // this run's copy stopped
    EarlierRun,     // a run that never ended, found at this start
};

void ShowUndoMessage(UndoOccasion occasion, const UndoReport& report);
