// The list of delayed moves that NT carries out at the next restart
// (PendingFileRenameOperations, a REG_MULTI_SZ of pairs: from, then to or
// an empty text for a deletion). Other programs add to it while a run goes
// on, and the undo adds its own deletions; a run's own pair is therefore
// withdrawn alone, never by writing back the value as it was before.
#pragma once
#include <optional>
#include <string>
#include <string_view>

// Where NT keeps the list, below HKEY_LOCAL_MACHINE.
extern const char kPendingMovesKey[];
extern const char kPendingMovesValue[];

struct RestartMove {
    std::string From;
    std::string To; // empty: From is deleted
};

// The value's bytes without the first pair that names move (names compared
// ignoring ASCII case and the system's "\??\" and "!" marks); nothing when no
// pair does, and the value stays as it is. An empty result means no pair is
// left: the value goes.
std::optional<std::string> WithoutRestartMove(std::string_view value, const RestartMove& move);

// True when an INI text holds nothing but section headers and blank lines:
// a wininit.ini the run made, once its lines are withdrawn, goes.
bool HoldsOnlyEmptySections(std::string_view text);
