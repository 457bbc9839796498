// One statement of the setup script: its name and its quoted arguments.
#pragma once
#include <string>
#include <vector>

struct ScriptStatement {
    std::string Name;
    std::vector<std::string> Arguments;
};
