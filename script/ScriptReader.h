// Reads SetupScript.ini into statements. Any text is accepted; malformed
// text simply yields other statements, which the command set then judges.
#pragma once
#include <string>
#include <vector>

#include "script/CharClass.h"
#include "script/ScriptStatement.h"
#include "script/SourceLayout.h"
#include "text/TextEncoding.h"

class ScriptReader {
public:
    ScriptReader() = default;
    virtual ~ScriptReader() = default;

    // Reads the file at path and appends its statements. Returns 0, or -1
    // when the file cannot be opened (the caller tells the user).
    int Read(const std::string& path, CharClassifier isAlphaNumeric);

    // Appends the statements of raw file bytes, read as a text-mode file:
    // CR LF becomes LF and a Ctrl-Z byte ends the text. A leading UTF-8 mark
    // sets Encoding and is not read as text.
    void Parse(const std::string& raw, CharClassifier isAlphaNumeric);

    // Copies statement index into out; -1 (out untouched) when out of range.
    int GetStatement(int index, ScriptStatement& out) const;

    int StatementCount() const { return static_cast<int>(Statements.size()); }
    // The line on which statement index begins.
    int LineOf(int index) const { return Layout.Statements.at(static_cast<size_t>(index)).Name.Begin.Line; }

    std::string ScriptPath;
    ScriptEncoding Encoding = ScriptEncoding::Legacy;
    std::vector<ScriptStatement> Statements;
    // Where the statements came from, and what the reader passed over.
    ScriptLayout Layout;
};

// The text-mode translation of the C runtime on Windows.
std::string TranslateTextMode(const std::string& raw);
