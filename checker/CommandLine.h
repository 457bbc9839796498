// setupcheck [--json|--sarif] [--medium DIR] [--werror] [SetupScript.ini]
#pragma once
#include <string>
#include <vector>

#include "checker/Report.h"

struct CheckOptions {
    OutputFormat Format = OutputFormat::Text;
    bool WarningsAreErrors = false;
    std::string Medium; // empty: the script's directory
    std::string Script = "SetupScript.ini";
};

struct ParsedCommandLine {
    bool Valid = false;
    bool Help = false;
    std::string Error; // when not valid
    CheckOptions Options;
};

// Parses the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

// The directory part of a path ("/" or "\" before the name), or ".".
std::string DirectoryOf(const std::string& path);
