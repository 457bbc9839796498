// What the reader passed over or left open.
#include "checker/CheckFacts.h"

namespace {
std::string SkippedMessage(const std::string& text) {
    if (text[0] == '(')
        return "'(' is skipped: a blank or line end between a statement's name and '(' ends the statement";
    if (text[0] == '/')
        return "'" + text + "' is skipped: a comment behind a statement needs a blank before '//'";
    if (text[0] == '"')
        return "quoted text outside a statement's parentheses is skipped";
    return "text " + Quoted(text) + " is skipped: only quoted text counts inside a statement";
}
}

void CheckReading(const ScriptReader& reader, Diagnostics& out) {
    const ScriptLayout& layout = reader.Layout;
    for (const SkippedText& skipped : layout.Skipped) {
        out.push_back(MakeDiagnostic("R003", skipped.Span, SkippedMessage(skipped.Text)));
    }
    const SourceSpan opened{layout.OpenedAt, {layout.OpenedAt.Line, layout.OpenedAt.Column + 1}};
    if (layout.Open == OpenAtEnd::Quote)
        out.push_back(MakeDiagnostic("R001", opened, "this quote is never closed; the argument runs to the end of the file"));
    if (layout.Open == OpenAtEnd::Parenthesis)
        out.push_back(MakeDiagnostic("R002", opened, "this '(' is never closed"));
    if (layout.StoppedAtCtrlZ)
        out.push_back(MakeDiagnostic("R004", SourceSpan{layout.CtrlZAt, layout.CtrlZAt},
                                     "a Ctrl-Z byte ends the script here; the text behind it is not read"));
    if (reader.Encoding == ScriptEncoding::Legacy && layout.HasNonAscii) {
        const SourcePosition at = layout.FirstNonAscii;
        out.push_back(MakeDiagnostic("R005", SourceSpan{at, {at.Line, at.Column + 1}},
                                     "a character beyond ASCII in a script without the UTF-8 mark: each machine reads "
                                     "it in its own ANSI code page; save the script as UTF-8 with the mark"));
    }
}
