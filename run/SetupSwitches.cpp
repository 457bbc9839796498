#include "run/SetupSwitches.h"

#include <algorithm>
#include <cctype>

namespace {

enum class Takes { Nothing, Value, OptionalValue };

enum class SwitchId { Silent, VerySilent, Dir, Group, NoIcons, Sections, Log, AllowDowngrade, Ignored, Help };

struct SwitchRow {
    const char* Name; // upper case
    SwitchId Id;
    Takes Value;
    bool UninstallerToo;
};

// Aliases are the names administrators know from other installers.
constexpr SwitchRow kSwitches[] = {
    {"SILENT", SwitchId::Silent, Takes::Nothing, true},
    {"PASSIVE", SwitchId::Silent, Takes::Nothing, true},
    {"VERYSILENT", SwitchId::VerySilent, Takes::Nothing, true},
    {"QUIET", SwitchId::VerySilent, Takes::Nothing, true},
    {"DIR", SwitchId::Dir, Takes::Value, false},
    {"GROUP", SwitchId::Group, Takes::Value, false},
    {"NOICONS", SwitchId::NoIcons, Takes::Nothing, false},
    {"SECTIONS", SwitchId::Sections, Takes::Value, false},
    {"LOG", SwitchId::Log, Takes::OptionalValue, true},
    {"ALLOWDOWNGRADE", SwitchId::AllowDowngrade, Takes::Nothing, false},
    // Accepted out of habit: the silent modes never restart and never show a box.
    {"NORESTART", SwitchId::Ignored, Takes::Nothing, true},
    {"SUPPRESSMSGBOXES", SwitchId::Ignored, Takes::Nothing, true},
    {"SP-", SwitchId::Ignored, Takes::Nothing, true},
    {"?", SwitchId::Help, Takes::Nothing, true},
    {"HELP", SwitchId::Help, Takes::Nothing, true},
};

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string WithoutQuotes(const std::string& text) {
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != '"'; });
    return result;
}

// "C:\..." or "\\server\share...": a path that does not depend on the
// current directory or drive.
bool IsFullPath(const std::string& path) {
    const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                       path[2] == '\\';
    const bool unc = path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
    return drive || unc;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A destination folder as the administrator means it: a full path, not one
// of the "\\?\" and "\\.\" forms that hand the text to the system
// unchecked, and no name ending in a blank or a dot, which the system would
// silently drop (so "C:\Apps\Demo." would install into C:\Apps\Demo).
bool IsAcceptableDirectory(const std::string& path) {
    if (!IsFullPath(path))
        return false;
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && (path[2] == '?' || path[2] == '.') &&
        IsSeparator(path[3]))
        return false;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const std::string name = path.substr(start, end - start);
        if (!name.empty() && name != "." && name != ".." && (name.back() == ' ' || name.back() == '.'))
            return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> SplitAtCommas(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// Applies one switch; false when its value is not acceptable.
bool Apply(SwitchId id, const std::optional<std::string>& value, RunSwitches& switches) {
    switch (id) {
    case SwitchId::Silent:
        // The quieter of two modes given wins.
        if (switches.Mode != RunMode::VerySilent)
            switches.Mode = RunMode::Silent;
        return true;
    case SwitchId::VerySilent:
        switches.Mode = RunMode::VerySilent;
        return true;
    case SwitchId::Dir:
        if (!IsAcceptableDirectory(*value))
            return false;
        switches.Directory = value->back() == '\\' ? *value : *value + "\\";
        return true;
    case SwitchId::Group:
        if (value->empty())
            return false;
        switches.Group = *value;
        return true;
    case SwitchId::NoIcons:
        switches.NoIcons = true;
        return true;
    case SwitchId::Sections:
        switches.Sections = SplitAtCommas(*value);
        return true;
    case SwitchId::Log:
        if (value && value->empty())
            return false;
        switches.Log = value ? LogTarget::File : LogTarget::DefaultName;
        switches.LogFile = value ? *value : std::string();
        return true;
    case SwitchId::AllowDowngrade:
        switches.AllowDowngrade = true;
        return true;
    case SwitchId::Ignored:
        return true;
    case SwitchId::Help:
        switches.Help = true;
        return true;
    }
    return false;
}

bool ReadOne(const std::string& argument, SwitchSet set, RunSwitches& switches) {
    const std::string text = WithoutQuotes(argument);
    if (text.size() < 2 || (text[0] != '/' && text[0] != '-'))
        return false;
    const size_t equals = text.find('=');
    const std::string name = Upper(text.substr(1, equals == std::string::npos ? std::string::npos : equals - 1));
    std::optional<std::string> value;
    if (equals != std::string::npos)
        value = text.substr(equals + 1);
    for (const SwitchRow& row : kSwitches) {
        if (name != row.Name)
            continue;
        if (set == SwitchSet::Uninstaller && !row.UninstallerToo)
            return false;
        if ((row.Value == Takes::Nothing && value) || (row.Value == Takes::Value && !value))
            return false;
        return Apply(row.Id, value, switches);
    }
    return false;
}

} // namespace

SwitchReading ReadSwitches(const std::vector<std::string>& arguments, SwitchSet set) {
    SwitchReading reading;
    for (const std::string& argument : arguments)
        if (!ReadOne(argument, set, reading.Switches) && reading.Refused.empty())
            reading.Refused = argument.empty() ? "\"\"" : argument;
    return reading;
}

std::vector<std::string> WithFullLogPath(const std::vector<std::string>& arguments,
                                         std::string (*fullPathOf)(const std::string&)) {
    std::vector<std::string> result;
    for (const std::string& argument : arguments) {
        RunSwitches one;
        if (ReadOne(argument, SwitchSet::Setup, one) && one.Log == LogTarget::File)
            result.push_back("/LOG=" + fullPathOf(one.LogFile));
        else
            result.push_back(argument);
    }
    return result;
}

LogTarget EffectiveLogTarget(const RunSwitches& switches) {
    if (switches.Log == LogTarget::None && switches.Mode != RunMode::Interactive)
        return LogTarget::DefaultName;
    return switches.Log;
}
