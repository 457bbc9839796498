// Version texts such as "2.1.0": digits in parts joined by dots, compared
// part by part as numbers.
#pragma once
#include <cstdint>
#include <string>

// One or more parts of digits, joined by single dots ("2", "2.1.0"); an empty
// part ("2..1", ".2", "2.") or any other character is no version.
bool IsVersionText(const std::string& text);

// Negative when a is older than b, zero when equal, positive when newer.
// Parts are numbers of any length ("10" is newer than "9", "2.01" equals
// "2.1"); a missing part counts as 0 ("2" equals "2.0"). Both must be
// version texts.
int CompareVersions(const std::string& a, const std::string& b);

// The first and second part of a version text, each as much as a 32-bit
// value holds (a larger one reads as 0xFFFFFFFF); 0 for a missing part.
struct MajorMinor {
    uint32_t Major = 0;
    uint32_t Minor = 0;
};
MajorMinor MajorMinorOf(const std::string& version);
