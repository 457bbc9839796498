#include "checker/CheckRun.h"

#include "checker/CommandLine.h"
#include "checker/ScriptCheck.h"

CheckExit RunCheck(const std::vector<std::string>& args, const CheckPlatformParts& parts, std::ostream& out,
                   std::ostream& err) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (parsed.Help) {
        out << kUsage;
        return CheckExit::Clean;
    }
    if (!parsed.Valid) {
        err << "setupcheck: " << parsed.Error << "\n" << kUsage;
        return CheckExit::Unreadable;
    }
    const CheckOptions& options = parsed.Options;
    ScriptReader reader;
    if (reader.Read(options.Script, parts.IsAlphaNumeric) < 0) {
        err << "setupcheck: cannot read '" << options.Script << "'\n";
        return CheckExit::Unreadable;
    }
    const std::unique_ptr<MediumFiles> medium = parts.OpenMedium(options.Medium);
    const std::vector<Diagnostic> diagnostics = CheckScript(reader, *medium);
    switch (options.Format) {
    case OutputFormat::Text: WriteText(out, options.Script, diagnostics); break;
    case OutputFormat::Json: WriteJsonLines(out, options.Script, diagnostics); break;
    case OutputFormat::Sarif: WriteSarif(out, options.Script, diagnostics); break;
    }
    for (const Diagnostic& d : diagnostics) {
        if (d.Level == Severity::Error || options.WarningsAreErrors)
            return CheckExit::Errors;
    }
    return CheckExit::Clean;
}
