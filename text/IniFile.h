// The INI model of wininit.ini: sections of keys with values. Section names
// are ordered byte by byte; the keys of a section shorter first, then byte by
// byte. It holds only what it can order, so comments, lines outside sections
// and repeated keys do not survive a load and save; IniEdit.h keeps those
// when a file of other programs is changed.
#pragma once
#include <map>
#include <string>

// Key order of a section: length first, then bytes.
struct IniKeyOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
};

class IniFile {
public:
    using Section = std::map<std::string, std::string, IniKeyOrder>;

    enum LoadResult : int { Loaded = 0, EmptyPath = 1, CannotRead = 2 };

    // Clears the contents, keeps the path and reads the file. A file that
    // cannot be opened or read gives CannotRead and leaves the model empty
    // (never half a file).
    LoadResult Load(const std::string& path);

    // Clears the contents and reads INI text: a header starts a section; an
    // entry counts inside a section with a non-empty name, a repeated key
    // replacing the earlier value; every other line is dropped. A line is
    // read whole, however long, so the tail of a long line is never taken
    // for a header or an entry of its own.
    void LoadText(const std::string& text);

    // Sets the value, creating the section and the key when missing.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // The file's text: per section "[name]", its "key=value" lines and an
    // empty line, every line ending with CR LF (the file is a text file of
    // Windows; writing is binary, so the CR is written here).
    std::string ToText() const;

    // Writes ToText() to the path, replacing the file; false on failure.
    bool Save(const std::string& path) const;

    const std::map<std::string, Section>& Sections() const { return sections_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::map<std::string, Section> sections_;
};
