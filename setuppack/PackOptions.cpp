#include "setuppack/PackOptions.h"

#include "setuppack/PackageManifest.h"

const char* const kPackUsage =
    "usage: setuppack [--arch 32|64] [--level 0-9] [--werror] [--programs DIR]\n"
    "                 [--manifest DIR --id Publisher.Name [--url URL]] -o OUTPUT.exe MEDIUM_DIR\n"
    "  Checks MEDIUM_DIR\\SetupScript.ini as setupcheck does, then writes one program that unpacks\n"
    "  the medium and starts its setup.exe.\n"
    "  --arch 32|64    the Windows programs to bundle (default: 32, or this program's own)\n"
    "  --level 0-9     LZMA level; 0 stores every file (default 9)\n"
    "  --werror        warnings of the script check stop the build too\n"
    "  --programs DIR  the folder of setup.exe, TAUninstall.exe and bundleloader.exe\n"
    "  --manifest DIR  also the package manager's manifest of the bundle (three files); the script\n"
    "                  needs SetAppVersion and SetDeveloperName\n"
    "  --id ID         the package's identifier, Publisher.Name\n"
    "  --url URL       where the bundle will be downloaded from\n"
    "Exit codes: 0 written, 1 the script check found errors, 2 unreadable input or unwritable output.\n";

ParsedPackCommandLine ParsePackCommandLine(const std::vector<std::string>& args) {
    ParsedPackCommandLine parsed;
    PackOptions& options = parsed.Options;
    auto fail = [&parsed](const std::string& error) {
        parsed.Error = error;
        return parsed;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-h" || arg == "--help") {
            parsed.Help = true;
            return parsed;
        } else if (arg == "--werror") {
            options.WarningsAreErrors = true;
        } else if (arg == "--manifest" || arg == "--id" || arg == "--url") {
            if (!hasValue || args[i + 1].empty())
                return fail(arg + " needs a value");
            const std::string& value = args[++i];
            (arg == "--manifest" ? options.ManifestDir : arg == "--id" ? options.ManifestId : options.ManifestUrl) = value;
        } else if (arg == "--arch" || arg == "--level" || arg == "--programs" || arg == "-o") {
            if (!hasValue)
                return fail(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--arch") {
                if (value != "32" && value != "64")
                    return fail("--arch takes 32 or 64, not '" + value + "'");
                options.Arch = value == "32" ? PackArch::X86 : PackArch::X64;
                options.ArchGiven = true;
            } else if (arg == "--level") {
                if (value.size() != 1 || value[0] < '0' || value[0] > '9')
                    return fail("--level takes 0 to 9, not '" + value + "'");
                options.Level = value[0] - '0';
            } else {
                (arg == "-o" ? options.Output : options.Programs) = value;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            return fail("unknown option '" + arg + "'");
        } else if (options.Medium.empty()) {
            options.Medium = arg;
        } else {
            return fail("more than one medium folder: '" + options.Medium + "' and '" + arg + "'");
        }
    }
    if (options.Output.empty())
        return fail("no output given (-o OUTPUT.exe)");
    if (options.Medium.empty())
        return fail("no medium folder given");
    if (options.ManifestDir.empty() && (!options.ManifestId.empty() || !options.ManifestUrl.empty()))
        return fail("--id and --url belong to --manifest DIR");
    if (!options.ManifestDir.empty()) {
        if (options.ManifestId.empty())
            return fail("--manifest needs --id Publisher.Name");
        const std::string problem = IdentifierProblem(options.ManifestId);
        if (!problem.empty())
            return fail(problem);
    }
    parsed.Valid = true;
    return parsed;
}
