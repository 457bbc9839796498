// Wildcard patterns as Windows matches file names: "*" any run, "?" one
// character, letters without regard to case, and "*.*" every name.
#pragma once
#include <string>

bool MatchesWildcard(const std::string& pattern, const std::string& name);
