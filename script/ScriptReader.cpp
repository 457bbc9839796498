#include "script/ScriptReader.h"

#include <fstream>
#include <iterator>

std::string TranslateTextMode(const std::string& raw) {
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\x1A')
            break;
        if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
            continue;
        text += c;
    }
    return text;
}

int ScriptReader::Read(const std::string& path, CharClassifier isAlphaNumeric) {
    ScriptPath = path;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return -1;
    const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Parse(raw, isAlphaNumeric);
    return 0;
}

namespace {
enum class ParseState { Between, Comment, Name, Arguments, Quoted };
}

void ScriptReader::Parse(const std::string& raw, CharClassifier isAlphaNumeric) {
    const std::string text = TranslateTextMode(raw);
    ParseState state = ParseState::Between;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool alnum = isAlphaNumeric(static_cast<unsigned char>(c));
        const bool nextIs = i + 1 < text.size();
        switch (state) {
        case ParseState::Between:
            if (c == '/' && nextIs && text[i + 1] == '/') {
                state = ParseState::Comment;
            } else if (alnum) {
                Statements.push_back(ScriptStatement{std::string(1, c), {}});
                state = ParseState::Name;
            }
            break;
        case ParseState::Comment:
            if (c == '\n')
                state = ParseState::Between;
            break;
        case ParseState::Name:
            if (c == '(')
                state = ParseState::Arguments;
            else if (alnum)
                Statements.back().Name += c;
            else
                state = ParseState::Between;
            break;
        case ParseState::Arguments:
            if (c == '"') {
                Statements.back().Arguments.emplace_back();
                state = ParseState::Quoted;
            } else if (c == ')') {
                state = ParseState::Name;
            }
            break;
        case ParseState::Quoted:
            if (c == '"') {
                if (nextIs && text[i + 1] == '"') {
                    Statements.back().Arguments.back() += '"';
                    ++i;
                } else {
                    state = ParseState::Arguments;
                }
            } else {
                Statements.back().Arguments.back() += c;
            }
            break;
        }
    }
}

int ScriptReader::GetStatement(int index, ScriptStatement& out) const {
    if (index < 0 || index >= StatementCount())
        return -1;
    out = Statements[static_cast<size_t>(index)];
    return 0;
}
