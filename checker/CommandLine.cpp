#include "checker/CommandLine.h"

const char* const kUsage =
    "usage: setupcheck [--json|--sarif] [--medium DIR] [--werror] [SetupScript.ini]\n"
    "  --json       one JSON object per finding and line\n"
    "  --sarif      a SARIF 2.1.0 log\n"
    "  --medium DIR where the files to install lie (default: the script's directory)\n"
    "  --werror     warnings count as errors for the exit code\n"
    "exit code: 0 no error, 1 errors, 2 the script could not be read\n";

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    CheckOptions& options = parsed.Options;
    bool formatGiven = false;
    bool scriptGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.Help = true;
        } else if (arg == "--json" || arg == "--sarif") {
            if (formatGiven) {
                parsed.Error = "choose one of --json and --sarif";
                return parsed;
            }
            formatGiven = true;
            options.Format = arg == "--json" ? OutputFormat::Json : OutputFormat::Sarif;
        } else if (arg == "--werror") {
            options.WarningsAreErrors = true;
        } else if (arg == "--medium" || arg.compare(0, 9, "--medium=") == 0) {
            if (arg == "--medium" && i + 1 == args.size()) {
                parsed.Error = "--medium needs a directory";
                return parsed;
            }
            options.Medium = arg == "--medium" ? args[++i] : arg.substr(9);
        } else if (arg.size() > 1 && arg[0] == '-') {
            parsed.Error = "unknown option '" + arg + "'";
            return parsed;
        } else if (scriptGiven) {
            parsed.Error = "one script at a time";
            return parsed;
        } else {
            scriptGiven = true;
            options.Script = arg;
        }
    }
    if (options.Medium.empty())
        options.Medium = DirectoryOf(options.Script);
    parsed.Valid = true;
    return parsed;
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}
