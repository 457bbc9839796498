// The texts of an installation over an earlier one: where the destination
// came from, and the downgrade question.
#pragma once
#include <string>

#include "script/SetupState.h"

// " (/DIR)", " (the earlier installation's folder)" ...: for the run log's
// "Destination:" lines.
const char* DestinationSourceText(DestinationSource source);

// The question an interactive run asks before it installs an older version.
std::string DowngradeQuestion(const std::string& appName, const std::string& installed, const std::string& offered);
