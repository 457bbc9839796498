// Feeds arbitrary bytes to the INI model and to the editor that sets our
// rename entry in a shared wininit.ini, and checks what must hold for any file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/IniEdit.h"
#include "text/IniFile.h"
#include "text/IniSyntax.h"

namespace {
const std::string Section = "rename";
const std::string Key = "C:\\WINDOWS\\SYSTEM\\MYLIBR~1.DLL";
const std::string Value = "C:\\WINDOWS\\TEMP\\MYLIBR~1.tmp";

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The lines of text other than entries of our key in a rename section: what
// the edit must keep, in order.
std::vector<std::string_view> ForeignLines(std::string_view text) {
    std::vector<std::string_view> kept;
    bool inSection = false;
    for (const std::string_view raw : SplitKeepingLineFeeds(text)) {
        const IniLine line = ReadIniLine(raw);
        if (line.Kind == IniLineKind::Header)
            inSection = SameNameIgnoringCase(line.SectionName, Section);
        if (!(inSection && line.Kind == IniLineKind::Entry && line.Key == Key))
            kept.push_back(raw);
    }
    return kept;
}

void CheckForeignLinesKept(std::string_view before, std::string_view after) {
    const std::vector<std::string_view> output = SplitKeepingLineFeeds(after);
    size_t next = 0;
    for (const std::string_view line : ForeignLines(before)) {
        // The last line may have gained the line end it lacked.
        const std::string ended = std::string(line) + "\r\n";
        while (next < output.size() && output[next] != line && output[next] != ended)
            ++next;
        Require(next < output.size());
        ++next;
    }
}

void CheckOurEntryIsThere(std::string_view text) {
    bool inSection = false;
    bool found = false;
    for (const std::string_view raw : SplitKeepingLineFeeds(text)) {
        const IniLine line = ReadIniLine(raw);
        if (line.Kind == IniLineKind::Header)
            inSection = SameNameIgnoringCase(line.SectionName, Section);
        if (inSection && line.Kind == IniLineKind::Entry && line.Key == Key) {
            Require(!found && line.Value == Value);
            found = true;
        }
    }
    Require(found);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The model's own output reads back to the same output.
    IniFile model;
    model.LoadText(text);
    const std::string saved = model.ToText();
    IniFile reloaded;
    reloaded.LoadText(saved);
    Require(reloaded.ToText() == saved);

    // Setting our entry keeps every other line, leaves exactly one entry of
    // ours, and a second edit changes nothing.
    const std::string edited = SetIniKey(text, Section, Key, Value);
    CheckForeignLinesKept(text, edited);
    CheckOurEntryIsThere(edited);
    Require(SetIniKey(edited, Section, Key, Value) == edited);
    return 0;
}
