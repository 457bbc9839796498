#include "rollback/RestartMoves.h"

#include <vector>

#include "text/IniSyntax.h"

const char kPendingMovesKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingMovesValue[] = "PendingFileRenameOperations";

namespace {

// The strings of the value, each ended by a zero; a deletion's "to" is an
// empty string, so the list's own closing zero is told apart by the count
// (pairs are even). A last string without its zero counts too.
std::vector<std::string_view> Strings(std::string_view value) {
    std::vector<std::string_view> strings;
    while (!value.empty()) {
        const size_t end = value.find('\0');
        strings.push_back(value.substr(0, end));
        if (end == std::string_view::npos)
            break;
        value.remove_prefix(end + 1);
    }
    if (strings.size() % 2 == 1 && strings.back().empty())
        strings.pop_back();
    return strings;
}

// A name as the caller gave it: without the system's "!" (replace existing)
// and "\??\" (native path) marks.
std::string_view Plain(std::string_view name) {
    if (!name.empty() && name.front() == '!')
        name.remove_prefix(1);
    constexpr std::string_view kNative = "\\??\\";
    if (name.substr(0, kNative.size()) == kNative)
        name.remove_prefix(kNative.size());
    return name;
}

bool Names(std::string_view listed, const std::string& wanted) {
    return SameNameIgnoringCase(Plain(listed), Plain(wanted));
}

} // namespace

std::optional<std::string> WithoutRestartMove(std::string_view value, const RestartMove& move) {
    const std::vector<std::string_view> strings = Strings(value);
    for (size_t pair = 0; pair + 1 < strings.size(); pair += 2) {
        if (!Names(strings[pair], move.From) || !Names(strings[pair + 1], move.To))
            continue;
        std::string rest;
        for (size_t i = 0; i < strings.size(); ++i)
            if (i != pair && i != pair + 1)
                rest.append(strings[i]).push_back('\0');
        if (!rest.empty())
            rest.push_back('\0');
        return rest;
    }
    return std::nullopt;
}

bool HoldsOnlyEmptySections(std::string_view text) {
    for (const std::string_view line : SplitKeepingLineFeeds(text))
        if (ReadIniLine(line).Kind != IniLineKind::Header && line.find_first_not_of(" \t\r\n") != std::string_view::npos)
            return false;
    return true;
}
