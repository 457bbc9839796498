#include "CheckerTestSupport.h"

#include "checker/Wildcard.h"
#include "script/CharClass.h"

bool FakeMedium::Enumerate(const std::string& pattern,
                           const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    // Relative patterns start at the medium; other drives are out of sight.
    const std::string root = Directory() + "\\";
    const bool onMedium = pattern.compare(0, root.size(), root) == 0;
    if (!onMedium && pattern.find(':') != std::string::npos)
        return false;
    const std::string below = onMedium ? pattern.substr(root.size()) : pattern;
    const size_t slash = below.rfind('\\');
    const std::string directory = slash == std::string::npos ? "" : below.substr(0, slash + 1);
    const std::string name = below.substr(slash == std::string::npos ? 0 : slash + 1);
    for (const std::string& file : files_) {
        if (file.compare(0, directory.size(), directory) == 0 && file.find('\\', directory.size()) == std::string::npos &&
            MatchesWildcard(name, file.substr(directory.size())))
            visit(file.substr(directory.size()), false);
    }
    return true;
}

std::vector<Diagnostic> CheckText(const std::string& script, std::set<std::string> files) {
    ScriptReader reader;
    reader.Parse(script, IsAlphaNumeric1252);
    FakeMedium medium(std::move(files));
    return CheckScript(reader, medium);
}

std::vector<std::string> Findings(const std::vector<Diagnostic>& diagnostics) {
    std::vector<std::string> out;
    for (const Diagnostic& d : diagnostics)
        out.push_back(d.Code + " " + std::to_string(d.Where.Begin.Line) + ":" + std::to_string(d.Where.Begin.Column));
    return out;
}
