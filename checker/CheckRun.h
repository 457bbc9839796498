// The whole setupcheck program but for its platform: command line, script,
// checks, report and exit code.
#pragma once
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "checker/MediumFiles.h"
#include "script/CharClass.h"

enum class CheckExit : int { Clean = 0, Errors = 1, Unreadable = 2 };

struct CheckPlatformParts {
    CharClassifier IsAlphaNumeric;
    // Lists the medium at the given directory.
    std::function<std::unique_ptr<MediumFiles>(const std::string& medium)> OpenMedium;
};

CheckExit RunCheck(const std::vector<std::string>& args, const CheckPlatformParts& parts, std::ostream& out,
                   std::ostream& err);
