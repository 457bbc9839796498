#include "checker/ScriptCheck.h"

#include <algorithm>

#include "checker/CheckFacts.h"

std::vector<Diagnostic> CheckScript(const ScriptReader& reader, MediumFiles& medium) {
    Diagnostics out;
    CheckReading(reader, out);
    const RunFacts facts = RunStatements(reader, medium, out);
    const ScriptPlaces places(reader);
    CheckPages(places, facts, out);
    CheckFiles(places, facts, out);
    std::stable_sort(out.begin(), out.end(), [](const Diagnostic& a, const Diagnostic& b) {
        const SourcePosition& x = a.Where.Begin;
        const SourcePosition& y = b.Where.Begin;
        return x.Line != y.Line ? x.Line < y.Line : x.Column < y.Column;
    });
    return out;
}
