// setuppack [--arch 32|64] [--level 0-9] [--werror] [--programs DIR]
//           [--manifest DIR --id Publisher.Name [--url URL]] -o OUTPUT.exe MEDIUM_DIR
#pragma once
#include <string>
#include <vector>

enum class PackArch { X86, X64 };

struct PackOptions {
    PackArch Arch = PackArch::X86;
    bool ArchGiven = false;
    int Level = 9; // 0 stores every file
    bool WarningsAreErrors = false;
    std::string Programs; // empty: the default folder for the architecture
    std::string Output;
    std::string Medium;
    // The package manifest's folder; empty: no manifest.
    std::string ManifestDir;
    std::string ManifestId;
    std::string ManifestUrl;
};

struct ParsedPackCommandLine {
    bool Valid = false;
    bool Help = false;
    std::string Error;
    PackOptions Options;
};

ParsedPackCommandLine ParsePackCommandLine(const std::vector<std::string>& args);

extern const char* const kPackUsage;
