#include "text/IniEdit.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "text/FileBytes.h"
#include "text/IniFile.h"
#include "text/IniSyntax.h"

namespace {
bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool EndsWithLineFeed(const std::string& line) {
    return !line.empty() && line.back() == '\n';
}

// True when the model would hold every byte of the text, and would find the
// section under the exact name the caller gives.
bool ModelKeepsEverything(const IniFile& model, const std::string& text, const std::string& section) {
    if (model.ToText() != text)
        return false;
    for (const auto& entry : model.Sections()) {
        if (entry.first != section && SameNameIgnoringCase(entry.first, section))
            return false;
    }
    return true;
}

// What becomes of the lines of our key in matching sections.
enum class OurKeyLines {
    ReplaceByOne,  // one request per key: the first becomes ours, the others go
    KeepAll,       // a key that may repeat ("NUL="): all stay; ours is added unless it is there
};

std::string EditKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                  const std::string& value, OurKeyLines mode) {
    const std::string ourLine = key + "=" + value + "\r\n";
    std::vector<std::string> lines;
    bool inSection = false;
    bool replaced = false;
    // Where our line goes when the key is new: behind the last non-blank line
    // of the first matching section.
    std::optional<size_t> insertAfter;
    bool firstSectionDone = false;

    for (const std::string_view raw : SplitKeepingLineFeeds(text)) {
        const IniLine line = ReadIniLine(raw);
        if (line.Kind == IniLineKind::Header) {
            if (inSection)
                firstSectionDone = true;
            inSection = SameNameIgnoringCase(line.SectionName, section);
        }
        const bool ours = inSection && line.Kind == IniLineKind::Entry && line.Key == key;
        if (ours && mode == OurKeyLines::KeepAll && line.Value == value)
            return text;
        if (ours && mode == OurKeyLines::ReplaceByOne) {
            if (!replaced)
                lines.push_back(ourLine);
            replaced = true;
            continue;
        }
        lines.emplace_back(raw);
        if (inSection && !firstSectionDone && !IsBlank(raw))
            insertAfter = lines.size() - 1;
    }

    if (!replaced) {
        if (insertAfter) {
            if (!EndsWithLineFeed(lines[*insertAfter]))
                lines[*insertAfter] += "\r\n";
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAfter) + 1, ourLine);
        } else {
            if (!lines.empty() && !EndsWithLineFeed(lines.back()))
                lines.back() += "\r\n";
            lines.push_back("[" + section + "]\r\n");
            lines.push_back(ourLine);
        }
    }

    std::string result;
    for (const std::string& line : lines)
        result += line;
    return result;
}

} // namespace

std::string SetKeyKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                    const std::string& value) {
    return EditKeepingOtherLines(text, section, key, value, OurKeyLines::ReplaceByOne);
}

std::string AddEntryKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                      const std::string& value) {
    return EditKeepingOtherLines(text, section, key, value, OurKeyLines::KeepAll);
}

std::string RemoveEntryKeepingOtherLines(const std::string& text, const std::string& section, const std::string& key,
                                         const std::string& value) {
    std::string result;
    bool inSection = false;
    bool removed = false;
    for (const std::string_view raw : SplitKeepingLineFeeds(text)) {
        const IniLine line = ReadIniLine(raw);
        if (line.Kind == IniLineKind::Header)
            inSection = SameNameIgnoringCase(line.SectionName, section);
        if (!removed && inSection && line.Kind == IniLineKind::Entry && SameNameIgnoringCase(line.Key, key) &&
            SameNameIgnoringCase(line.Value, value)) {
            removed = true;
            continue;
        }
        result += raw;
    }
    return result;
}

std::string SetIniKey(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value) {
    IniFile model;
    model.LoadText(text);
    if (!ModelKeepsEverything(model, text, section))
        return SetKeyKeepingOtherLines(text, section, key, value);
    model.Set(section, key, value);
    return model.ToText();
}

namespace {
IniUpdateResult UpdateIniFile(const std::string& path, const std::function<std::string(const std::string&)>& edit) {
    std::string oldText;
    const FileReadResult read = ReadWholeFile(path, oldText);
    if (read == FileReadResult::Unreadable)
        return IniUpdateResult::Unreadable;
    if (WriteWholeFile(path, edit(oldText)))
        return IniUpdateResult::Written;
    // A write that failed half-way (a full disk) has already truncated the
    // file; put back what others had in it.
    if (read == FileReadResult::Read && !oldText.empty())
        WriteWholeFile(path, oldText);
    return IniUpdateResult::WriteFailed;
}
}

IniUpdateResult UpdateIniKeyInFile(const std::string& path, const std::string& section, const std::string& key,
                                   const std::string& value) {
    return UpdateIniFile(path, [&](const std::string& text) { return SetIniKey(text, section, key, value); });
}

IniUpdateResult AddIniEntryInFile(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& value) {
    return UpdateIniFile(path,
                         [&](const std::string& text) { return AddEntryKeepingOtherLines(text, section, key, value); });
}

IniUpdateResult RemoveIniEntryInFile(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value) {
    std::string text;
    const FileReadResult read = ReadWholeFile(path, text);
    if (read == FileReadResult::Unreadable)
        return IniUpdateResult::Unreadable;
    const std::string edited = RemoveEntryKeepingOtherLines(text, section, key, value);
    if (edited == text)
        return IniUpdateResult::Written;
    return UpdateIniFile(path, [&](const std::string&) { return edited; });
}
