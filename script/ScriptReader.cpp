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

// Characters that separate statements or arguments as an author means them;
// any other character the reader passes over is worth a word.
bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == ';' || c == ',';
}

// Follows line and column through the text and collects skipped runs.
class LayoutRecorder {
public:
    explicit LayoutRecorder(ScriptLayout& layout) : layout_(layout) {}

    const SourcePosition& Here() const { return here_; }

    void Advance(char c) {
        if (c == '\n') {
            ++here_.Line;
            here_.Column = 1;
        } else {
            ++here_.Column;
        }
    }

    void Skip(char c, size_t index) {
        if (IsSeparator(c))
            return;
        SourcePosition after = here_;
        ++after.Column;
        if (!layout_.Skipped.empty() && lastSkipped_ + 1 == index) {
            layout_.Skipped.back().Text += c;
            layout_.Skipped.back().Span.End = after;
        } else {
            layout_.Skipped.push_back(SkippedText{{here_, after}, std::string(1, c)});
        }
        lastSkipped_ = index;
    }

private:
    ScriptLayout& layout_;
    SourcePosition here_;
    size_t lastSkipped_ = 0;
};

// Whether anything but blanks follows the first Ctrl-Z byte.
bool TextAfterCtrlZ(const std::string& raw) {
    const size_t stop = raw.find('\x1A');
    return stop != std::string::npos &&
           raw.find_first_not_of(" \t\r\n\x1A", stop) != std::string::npos;
}
}

void ScriptReader::Parse(const std::string& marked, CharClassifier isAlphaNumeric) {
    const bool hasMark = StartsWithUtf8Mark(marked);
    if (hasMark)
        Encoding = ScriptEncoding::Utf8;
    const std::string raw = hasMark ? marked.substr(3) : marked;
    const std::string text = TranslateTextMode(raw);
    LayoutRecorder where(Layout);
    ParseState state = ParseState::Between;
    SourcePosition parenthesisAt, quoteAt;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool alnum = isAlphaNumeric(static_cast<unsigned char>(c));
        const bool nextIs = i + 1 < text.size();
        const SourcePosition here = where.Here();
        if (static_cast<unsigned char>(c) >= 0x80 && !Layout.HasNonAscii) {
            Layout.HasNonAscii = true;
            Layout.FirstNonAscii = here;
        }
        switch (state) {
        case ParseState::Between:
            if (c == '/' && nextIs && text[i + 1] == '/') {
                state = ParseState::Comment;
            } else if (alnum) {
                Statements.push_back(ScriptStatement{std::string(1, c), {}});
                Layout.Statements.push_back(StatementLayout{{here, {here.Line, here.Column + 1}}, {}});
                state = ParseState::Name;
            } else {
                where.Skip(c, i);
            }
            break;
        case ParseState::Comment:
            if (c == '\n')
                state = ParseState::Between;
            break;
        case ParseState::Name:
            if (c == '(') {
                state = ParseState::Arguments;
                parenthesisAt = here;
            } else if (alnum) {
                Statements.back().Name += c;
                Layout.Statements.back().Name.End = {here.Line, here.Column + 1};
            } else {
                where.Skip(c, i);
                state = ParseState::Between;
            }
            break;
        case ParseState::Arguments:
            if (c == '"') {
                Statements.back().Arguments.emplace_back();
                Layout.Statements.back().Arguments.push_back(SourceSpan{here, here});
                quoteAt = here;
                state = ParseState::Quoted;
            } else if (c == ')') {
                state = ParseState::Name;
            } else {
                where.Skip(c, i);
            }
            break;
        case ParseState::Quoted:
            if (c == '"') {
                if (nextIs && text[i + 1] == '"') {
                    Statements.back().Arguments.back() += '"';
                    where.Advance(c);
                    ++i;
                } else {
                    Layout.Statements.back().Arguments.back().End = {here.Line, here.Column + 1};
                    state = ParseState::Arguments;
                }
            } else {
                Statements.back().Arguments.back() += c;
            }
            break;
        }
        where.Advance(c);
    }
    if (state == ParseState::Quoted)
        Layout.Statements.back().Arguments.back().End = where.Here();
    Layout.Open = state == ParseState::Quoted      ? OpenAtEnd::Quote
                  : state == ParseState::Arguments ? OpenAtEnd::Parenthesis
                                                   : OpenAtEnd::Nothing;
    Layout.OpenedAt = state == ParseState::Quoted ? quoteAt : parenthesisAt;
    Layout.StoppedAtCtrlZ = TextAfterCtrlZ(raw);
    Layout.CtrlZAt = where.Here();
}

int ScriptReader::GetStatement(int index, ScriptStatement& out) const {
    if (index < 0 || index >= StatementCount())
        return -1;
    out = Statements[static_cast<size_t>(index)];
    return 0;
}
