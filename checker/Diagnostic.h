// One finding of the script checker, and the table of its stable codes.
#pragma once
#include <string>
#include <vector>

#include "script/SourceLayout.h"

enum class Severity { Warning, Error };

struct Diagnostic {
    std::string Code;
    Severity Level = Severity::Warning;
    SourceSpan Where;
    std::string Message;
    std::string Suggestion; // a replacement text, empty when there is none
};

struct CodeInfo {
    const char* Code;
    Severity Level;
    const char* Summary; // one line, for the table in docs/checker.md and SARIF rules
};

// Every code, in the order of the table in docs/checker.md.
const std::vector<CodeInfo>& AllCodes();

// A diagnostic with the severity of its code.
Diagnostic MakeDiagnostic(const std::string& code, const SourceSpan& where, const std::string& message,
                          const std::string& suggestion = std::string());

const char* SeverityName(Severity level);
