#include "wizard/ProcessState_win.h"

SetupState& TheState() {
    static SetupState state;
    return state;
}
