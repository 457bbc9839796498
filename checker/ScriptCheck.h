// The script checker: every finding about a script, in file order.
#pragma once
#include <string>

#include "checker/Diagnostic.h"
#include "checker/MediumFiles.h"
#include "script/ScriptReader.h"

// Checks the statements that reader holds against the medium.
std::vector<Diagnostic> CheckScript(const ScriptReader& reader, MediumFiles& medium);
