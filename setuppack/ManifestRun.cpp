#include "setuppack/ManifestRun.h"

#include <filesystem>
#include <fstream>

#include "checker/CheckFacts.h"
#include "text/Sha256.h"
#include "uninstall/UninstallEntry.h"

namespace fs = std::filesystem;

ScriptManifestFacts ReadManifestFacts(const PackOptions& options, const CheckPlatformParts& parts, PackArch arch) {
    ScriptManifestFacts result;
    ScriptReader reader;
    if (reader.Read(options.Medium + "/SetupScript.ini", parts.IsAlphaNumeric) < 0) {
        result.Refusal = "the medium's SetupScript.ini cannot be read";
        return result;
    }
    const std::unique_ptr<MediumFiles> medium = parts.OpenMedium(options.Medium);
    Diagnostics ignored; // the check before has reported them
    RunFacts run = RunStatements(reader, *medium, ignored);
    VariableTable& variables = run.State.Variables;
    const std::string appName = variables.Get("APPNAME");
    if (appName.empty()) {
        result.Refusal = "--manifest needs the application's name: the script has no SetAppName(\"Name\")";
    } else if (run.State.AppVersion.empty()) {
        result.Refusal = "--manifest needs the version: the script has no SetAppVersion(\"1.0\") (digits and dots)";
    } else if (variables.Get("DEVELOPERNAME").empty()) {
        result.Refusal = "--manifest needs the publisher: the script has no SetDeveloperName(\"Publisher\")";
    }
    if (!result.Refusal.empty())
        return result;
    ManifestFacts facts;
    facts.Identifier = options.ManifestId;
    facts.Version = run.State.AppVersion;
    facts.Publisher = variables.Get("DEVELOPERNAME");
    facts.AppName = appName;
    for (const std::string& name : UninstallKeyNames(appName))
        facts.ProductCode += (facts.ProductCode.empty() ? "" : "\\") + name;
    facts.Architecture = arch == PackArch::X86 ? "x86" : "x64";
    facts.Url = options.ManifestUrl;
    result.Facts = facts;
    return result;
}

std::string WriteManifest(const PackOptions& options, ManifestFacts facts, const std::string& bundleBytes) {
    facts.Sha256 = Sha256Hex(bundleBytes);
    std::error_code error;
    fs::create_directories(options.ManifestDir, error);
    for (const ManifestFile& file : ComposeManifest(facts)) {
        const fs::path path = fs::path(options.ManifestDir) / file.Name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << file.Text;
        out.close();
        if (!out)
            return "cannot write '" + path.string() + "'";
    }
    return std::string();
}
