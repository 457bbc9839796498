#include "checker/Diagnostic.h"

const std::vector<CodeInfo>& AllCodes() {
    static const std::vector<CodeInfo> codes = {
        {"R001", Severity::Error, "a quoted argument is still open at the end of the file"},
        {"R002", Severity::Warning, "a statement's parenthesis is still open at the end of the file"},
        {"R003", Severity::Warning, "text that the reader skips (unquoted text, stray characters)"},
        {"R004", Severity::Warning, "text behind a Ctrl-Z byte, which is never read"},
        {"R005", Severity::Warning, "a script without the UTF-8 mark holds bytes beyond ASCII: they are read in the ANSI code page of each machine"},
        {"S101", Severity::Warning, "unknown statement, skipped by setup without a word"},
        {"S102", Severity::Error, "wrong argument count: setup stops there with exit code 2"},
        {"S103", Severity::Warning, "a number argument that is not a number"},
        {"S104", Severity::Warning, "a number out of range"},
        {"V201", Severity::Warning, "a variable that nothing sets before its use"},
        {"V202", Severity::Warning, "a reference cycle, resolved to nothing"},
        {"V203", Severity::Warning, "SetVariable overwrites one of setup's own variables"},
        {"V204", Severity::Warning, "SetVariable sets DP to something that is not a full path"},
        {"V205", Severity::Error, "a value beyond 1 MiB or all variables beyond 64 MiB: setup stops there with exit code 2"},
        {"V206", Severity::Error, "SetAppVersion with a text that is not digits and dots: the entry gets no version"},
        {"P301", Severity::Warning, "a page name that is not one of the five pages"},
        {"P302", Severity::Warning, "a control that does not exist or is not on that page"},
        {"P303", Severity::Warning, "a control or rule for a page that is never shown after it"},
        {"P304", Severity::Warning, "a control type that is taken as a window class name"},
        {"P305", Severity::Warning, "a Next rule that a later rule for the same page overrides entirely"},
        {"P306", Severity::Warning, "a ShowMessage that is never shown"},
        {"P307", Severity::Warning, "a Next rule that has no effect"},
        {"F401", Severity::Warning, "AddFile names a section that no CreateSection declares"},
        {"F402", Severity::Warning, "a section without files"},
        {"F403", Severity::Warning, "a source pattern that matches no file on the medium"},
        {"F404", Severity::Warning, "pieces of a split file whose disk numbers are not 1, 2, 3..."},
        {"F405", Severity::Warning, "a destination that is not a full path"},
        {"F406", Severity::Warning, "a shortcut with an empty name"},
        {"F407", Severity::Warning, "ShowCopy without TAUninstall.exe among the installed files"},
    };
    return codes;
}

Diagnostic MakeDiagnostic(const std::string& code, const SourceSpan& where, const std::string& message,
                          const std::string& suggestion) {
    Severity level = Severity::Warning;
    for (const CodeInfo& info : AllCodes()) {
        if (code == info.Code)
            level = info.Level;
    }
    return Diagnostic{code, level, where, message, suggestion};
}

const char* SeverityName(Severity level) {
    return level == Severity::Error ? "error" : "warning";
}
