// Where the reader found each part of a script: lines and columns of the
// text as read (CR LF counts as one line end), both counted from 1. Only the
// script checker looks at them; setup.exe reads statements alone.
#pragma once
#include <string>
#include <vector>

struct SourcePosition {
    int Line = 1;
    int Column = 1;
};

// Begin is the first character, End the position just behind the last.
struct SourceSpan {
    SourcePosition Begin;
    SourcePosition End;
};

// One statement: its name and each quoted argument, quotes included.
struct StatementLayout {
    SourceSpan Name;
    std::vector<SourceSpan> Arguments;
};

// A run of characters that are neither blanks, line ends, ";" nor comments
// and that the reader passes over without keeping them.
struct SkippedText {
    SourceSpan Span;
    std::string Text;
};

// What was still open when the text ended.
enum class OpenAtEnd { Nothing, Parenthesis, Quote };

struct ScriptLayout {
    std::vector<StatementLayout> Statements; // parallel to ScriptReader::Statements
    std::vector<SkippedText> Skipped;
    OpenAtEnd Open = OpenAtEnd::Nothing;
    SourcePosition OpenedAt;    // the "(" or quote still open at the end
    bool StoppedAtCtrlZ = false; // text follows a Ctrl-Z byte and was not read
    SourcePosition CtrlZAt;
    bool HasNonAscii = false;     // a byte of 0x80 or above is read
    SourcePosition FirstNonAscii;
};
