// What a checked run of the script found out, shared by the rule files.
#pragma once
#include <string>
#include <vector>

#include "checker/Diagnostic.h"
#include "script/Commands.h"
#include "script/ScriptReader.h"
#include "script/SetupState.h"

// One statement that setup would carry out: a known command with the
// right argument count.
struct RunStatement {
    size_t Index = 0; // into ScriptReader::Statements
    const CommandInfo* Command = nullptr;
    std::vector<std::string> Arguments; // after the statement's own substitution
    bool Listed = false; // AddFile: the medium could be looked at
    int Matched = 0;     // AddFile: files the pattern matched
};

struct RunFacts {
    std::vector<RunStatement> Statements;
    SetupState State; // as setup would hold it after the last statement
    // setup.exe lies on the medium: the build has laid its programs there.
    bool MediumHasSetup = false;
};

// Where to point at in the script.
class ScriptPlaces {
public:
    explicit ScriptPlaces(const ScriptReader& reader) : reader_(reader) {}

    SourceSpan Name(size_t statement) const;
    // Argument n, counted from 0, quotes included.
    SourceSpan Argument(size_t statement, size_t n) const;
    // The text part [offset, offset + length) of argument n, as written.
    SourceSpan InArgument(size_t statement, size_t n, size_t offset, size_t length) const;

    const ScriptStatement& Statement(size_t statement) const { return reader_.Statements[statement]; }

private:
    const ScriptReader& reader_;
};

using Diagnostics = std::vector<Diagnostic>;

// The rule families, each adding its findings to out.
void CheckReading(const ScriptReader& reader, Diagnostics& out);
class MediumFiles;
RunFacts RunStatements(const ScriptReader& reader, MediumFiles& medium, Diagnostics& out);
void CheckPages(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out);
void CheckFiles(const ScriptPlaces& places, const RunFacts& facts, Diagnostics& out);

// A number argument of the given kind letter (see CommandInfo::kinds).
void CheckNumber(char kind, const std::string& text, const SourceSpan& where, Diagnostics& out);

// Quotes a text for a message.
std::string Quoted(const std::string& text);
