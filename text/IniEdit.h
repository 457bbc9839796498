// Setting one key of an INI file that other programs share (wininit.ini)
// without losing what they put there.
//
// Two ways, chosen by the file's content:
// - A file that is exactly what IniFile writes (empty or missing included)
//   holds nothing the model would lose; it is rewritten through IniFile, so
//   it keeps the model's order (shorter keys first) and its layout.
// - Any other file (comments, lines outside sections, repeated keys such as
//   several "NUL=" lines, other line ends) is edited line by line: every
//   line of others stays byte for byte and in place; only our key's line is
//   replaced, or added at the end of the section, or the section is added at
//   the end of the file.
// Sections are matched ignoring ASCII case ("[Rename]" is the section
// "rename" for Windows too), so our entry never lands in a second section of
// the same name that would not be read.
#pragma once
#include <string>

// The line-by-line edit: the first line of our key inside the first matching
// section is replaced by key=value (CR LF); further lines of the same key in
// matching sections are removed, so one request per file stands. Without such
// a line, key=value is inserted after the last non-blank line of the first
// matching section; without a section, "[section]" and the entry are appended.
std::string SetKeyKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                    const std::string& value);

// The line-by-line edit for a key that may occur several times (the "NUL="
// deletions of wininit.ini): every line stays; key=value is inserted as
// above unless exactly that entry is already in a matching section, in which
// case the text comes back unchanged.
std::string AddEntryKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                      const std::string& value);

// Withdraws one entry: the first line key=value (key and value compared
// ignoring ASCII case) inside a matching section goes; every other line,
// another program's identical request included, stays byte for byte.
std::string RemoveEntryKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                         const std::string& value);

// Chooses the model or the line-by-line edit as described above.
std::string SetIniKey(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value);

enum class IniUpdateResult {
    Written,
    Unreadable,   // the file exists but could not be read: left untouched
    WriteFailed,  // writing failed; the old content was written back if there was any
};

// Reads the file (a missing one counts as empty), sets the key with SetIniKey
// and writes it back.
IniUpdateResult UpdateIniKeyInFile(const std::string& path, const std::string& section, const std::string& key,
                                   const std::string& value);

// Reads the file (a missing one counts as empty), adds the entry with
// AddEntryKeepingOtherLines and writes it back.
IniUpdateResult AddIniEntryInFile(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& value);

// Reads the file and removes the entry with RemoveEntryKeepingOtherLines; a
// missing file, or one without the entry, is left as it is (Written).
IniUpdateResult RemoveIniEntryInFile(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value);
