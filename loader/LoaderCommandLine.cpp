#include "loader/LoaderCommandLine.h"

#include "bundle/EntryPath.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::string CommandTail(const std::string& commandLine) {
    size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        pos = commandLine.find('"', 1);
        pos = pos == std::string::npos ? commandLine.size() : pos + 1;
    }
    while (pos < commandLine.size() && !IsBlank(commandLine[pos]))
        ++pos;
    while (pos < commandLine.size() && IsBlank(commandLine[pos]))
        ++pos;
    return commandLine.substr(pos);
}

Quietness QuietnessOf(const std::string& tail) {
    Quietness quietness = Quietness::Normal;
    std::string word;
    bool quoted = false;
    for (size_t i = 0; i <= tail.size(); ++i) {
        const char c = i < tail.size() ? tail[i] : ' ';
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || !IsBlank(c)) {
            word += c;
            continue;
        }
        const std::string folded = word.empty() ? word : FoldedEntryPath(word.substr(1));
        if (!word.empty() && (word[0] == '/' || word[0] == '-')) {
            if (folded == "VERYSILENT")
                quietness = Quietness::VerySilent;
            else if (folded == "SILENT" && quietness == Quietness::Normal)
                quietness = Quietness::Silent;
        }
        word.clear();
    }
    return quietness;
}
