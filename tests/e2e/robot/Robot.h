// Runs a list of robot command lines in order and stops at the first failure.
#pragma once
#include <string>
#include <vector>

// Returns 0 when every command succeeded, 1 when one failed, 2 on a syntax
// or unknown-command error.
int RunRobotScript(const std::vector<std::string>& lines);
