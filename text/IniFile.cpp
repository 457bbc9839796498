#include "text/IniFile.h"

#include "text/FileBytes.h"
#include "text/IniSyntax.h"

IniFile::LoadResult IniFile::Load(const std::string& path) {
    sections_.clear();
    path_ = path;
    if (path.empty())
        return EmptyPath;
    std::string text;
    if (ReadWholeFile(path, text) != FileReadResult::Read)
        return CannotRead;
    LoadText(text);
    return Loaded;
}

void IniFile::LoadText(const std::string& text) {
    sections_.clear();
    // Entries before the first header, or under a header with an empty
    // name, belong to no section and are dropped.
    Section* current = nullptr;
    for (const std::string_view raw : SplitKeepingLineFeeds(text)) {
        IniLine line = ReadIniLine(raw);
        if (line.Kind == IniLineKind::Header)
            current = line.SectionName.empty() ? nullptr : &sections_[line.SectionName];
        else if (line.Kind == IniLineKind::Entry && current)
            (*current)[line.Key] = std::move(line.Value);
    }
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    sections_[section][key] = value;
}

std::string IniFile::ToText() const {
    std::string text;
    for (const auto& [name, keys] : sections_) {
        text += "[" + name + "]\r\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\r\n";
        text += "\r\n";
    }
    return text;
}

bool IniFile::Save(const std::string& path) const {
    return WriteWholeFile(path, ToText());
}
