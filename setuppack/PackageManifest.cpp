#include "setuppack/PackageManifest.h"

#include <cctype>
#include <cstring>

#include "checker/Report.h"

namespace {

constexpr const char* kSchema = "1.10.0";
constexpr const char* kLocale = "en-US";

// Every text as a double-quoted scalar: a JSON string is one in YAML, and
// "2.10" must stay a text, never the number 2.1.
std::string Text(const std::string& value) { return JsonString(value); }

std::string Head(const ManifestFacts& facts, const char* type) {
    return std::string("# yaml-language-server: $schema=https://aka.ms/winget-manifest.") + type + "." + kSchema +
           ".schema.json\n"
           "PackageIdentifier: " + Text(facts.Identifier) + "\n"
           "PackageVersion: " + Text(facts.Version) + "\n";
}

std::string Tail(const char* type) {
    return std::string("ManifestType: ") + type + "\nManifestVersion: " + kSchema + "\n";
}

std::string UpperHex(std::string hex) {
    for (char& c : hex)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return hex;
}

} // namespace

std::string IdentifierProblem(const std::string& identifier) {
    size_t parts = 0;
    size_t start = 0;
    while (start <= identifier.size()) {
        const size_t dot = std::min(identifier.find('.', start), identifier.size());
        const std::string part = identifier.substr(start, dot - start);
        if (part.empty() || part.size() > 32)
            return "each part of the identifier '" + identifier + "' takes 1 to 32 characters";
        for (const char c : part)
            if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F || std::strchr("\\/:*?\"<>|", c))
                return "the identifier '" + identifier + "' holds a blank or one of \\ / : * ? \" < > |";
        ++parts;
        start = dot + 1;
    }
    if (parts < 2 || parts > 8)
        return "the identifier '" + identifier + "' takes the form Publisher.Name (2 to 8 parts joined by dots)";
    return std::string();
}

std::vector<ManifestFile> ComposeManifest(const ManifestFacts& facts) {
    const std::string version = Head(facts, "version") + "DefaultLocale: " + kLocale + "\n" + Tail("version");

    std::string installer = Head(facts, "installer") +
                            "InstallerType: exe\n"
                            "Scope: machine\n"
                            "InstallModes:\n- interactive\n- silent\n- silentWithProgress\n"
                            "InstallerSwitches:\n"
                            "  Silent: " + Text("/VERYSILENT") + "\n"
                            "  SilentWithProgress: " + Text("/SILENT") + "\n"
                            "  InstallLocation: " + Text("/DIR=\"<INSTALLPATH>\"") + "\n"
                            "  Log: " + Text("/LOG=\"<LOGPATH>\"") + "\n"
                            "UpgradeBehavior: install\n"
                            "ExpectedReturnCodes:\n";
    const std::pair<int, const char*> codes[] = {{1602, "cancelledByUser"},
                                                 {1618, "installInProgress"},
                                                 {1638, "downgrade"},
                                                 {1639, "invalidParameter"},
                                                 {3010, "rebootRequiredToFinish"}};
    for (const auto& [code, response] : codes)
        installer += "- InstallerReturnCode: " + std::to_string(code) + "\n  ReturnResponse: " + response + "\n";
    installer += "ProductCode: " + Text(facts.ProductCode) + "\n"
                 "AppsAndFeaturesEntries:\n"
                 "- DisplayName: " + Text(facts.AppName) + "\n"
                 "  Publisher: " + Text(facts.Publisher) + "\n"
                 "  DisplayVersion: " + Text(facts.Version) + "\n"
                 "  ProductCode: " + Text(facts.ProductCode) + "\n"
                 "Installers:\n"
                 "- Architecture: " + facts.Architecture + "\n";
    if (!facts.Url.empty())
        installer += "  InstallerUrl: " + Text(facts.Url) + "\n";
    installer += "  InstallerSha256: " + UpperHex(facts.Sha256) + "\n" + Tail("installer");

    const std::string locale = Head(facts, "defaultLocale") + "PackageLocale: " + kLocale + "\n" +
                               "Publisher: " + Text(facts.Publisher) + "\n"
                               "PackageName: " + Text(facts.AppName) + "\n"
                               "License: " + Text("Proprietary") + "\n"
                               "ShortDescription: " + Text(facts.AppName + " " + facts.Version) + "\n" +
                               Tail("defaultLocale");
    return {{facts.Identifier + ".yaml", version},
            {facts.Identifier + ".installer.yaml", installer},
            {facts.Identifier + ".locale." + kLocale + ".yaml", locale}};
}
