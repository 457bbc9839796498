// Near spellings for names that match nothing.
#pragma once
#include <string>
#include <vector>

// The candidate equal to name but for case, else the one closest to it in
// spelling, else one that holds name or that name holds; empty
// when none is near.
std::string NearestName(const std::string& name, const std::vector<std::string>& candidates);

bool EqualIgnoringCase(const std::string& a, const std::string& b);
