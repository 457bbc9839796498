#include "app/GlobalState.h"

SetupState& TheState() {
    static SetupState state;
    return state;
}
