// The whole setuppack program but for its platform: command line, script
// check, medium, programs, payload, and the output written in one piece.
#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "checker/CheckRun.h"
#include "setuppack/PackOptions.h"

enum class PackExit : int { Written = 0, ScriptErrors = 1, Unpackable = 2 };

struct PackPlatformParts {
    CheckPlatformParts Check;
    // The folder of setup.exe, TAUninstall.exe and bundleloader.exe of an
    // architecture when --programs is not given.
    std::function<std::string(PackArch)> DefaultPrograms;
    PackArch DefaultArch = PackArch::X86;
};

constexpr const char* kLoaderName = "bundleloader.exe";

PackExit RunPack(const std::vector<std::string>& args, const PackPlatformParts& parts, std::ostream& out,
                 std::ostream& err);
