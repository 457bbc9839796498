#include "checker/CheckFacts.h"

namespace {
// Walks the argument text as written: a quote inside is written twice.
SourcePosition Walk(SourcePosition at, const std::string& text, size_t count) {
    for (size_t i = 0; i < count && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++at.Line;
            at.Column = 1;
        } else {
            at.Column += text[i] == '"' ? 2 : 1;
        }
    }
    return at;
}
}

SourceSpan ScriptPlaces::Name(size_t statement) const {
    return reader_.Layout.Statements[statement].Name;
}

SourceSpan ScriptPlaces::Argument(size_t statement, size_t n) const {
    const StatementLayout& layout = reader_.Layout.Statements[statement];
    return n < layout.Arguments.size() ? layout.Arguments[n] : layout.Name;
}

SourceSpan ScriptPlaces::InArgument(size_t statement, size_t n, size_t offset, size_t length) const {
    const StatementLayout& layout = reader_.Layout.Statements[statement];
    if (n >= layout.Arguments.size())
        return layout.Name;
    const std::string& text = reader_.Statements[statement].Arguments[n];
    SourcePosition content = layout.Arguments[n].Begin;
    ++content.Column; // behind the opening quote
    const SourcePosition begin = Walk(content, text, offset);
    const SourcePosition end = Walk(content, text, offset + length);
    return SourceSpan{begin, end};
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}
