// How one line of an INI file (wininit.ini) is read. Shared by the INI model
// and by the editor that keeps other programs' lines, so both agree on what
// a section header and an entry are.
#pragma once
#include <string>
#include <string_view>
#include <vector>

enum class IniLineKind {
    Header,  // "[name]": starts a section
    Entry,   // "key=value"
    Other,   // blank, comment only, or text without "="
};

struct IniLine {
    IniLineKind Kind = IniLineKind::Other;
    std::string SectionName;  // Header only
    std::string Key;          // Entry only
    std::string Value;        // Entry only
};

// Reads one line (its line feed may be included). A carriage return, a line
// feed or a semicolon ends the meaningful part. A "[" with no "=" before it makes a header whose
// name runs to the first "]" (or the end); otherwise a "=" makes an entry,
// split at the first "=", nothing trimmed.
IniLine ReadIniLine(std::string_view line);

// Splits text at line feeds; each piece keeps its line feed (the last piece
// has none when the text does not end with one). Lines have no length limit.
std::vector<std::string_view> SplitKeepingLineFeeds(std::string_view text);

// Compares names with ASCII letters folded, as Windows compares section
// names in INI files and file names.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
