// One line of the robot's command language: a command name, positional
// words and key=value options. Words may be quoted; inside quotes C escapes
// (\n \t \\ \" \xHH) stand for the bytes they name, so message texts with line
// breaks and ANSI bytes above 0x7F can be written exactly.
#pragma once
#include <map>
#include <string>
#include <vector>

struct RobotCommand {
    std::string Name;
    std::vector<std::string> Words;             // positional arguments
    std::map<std::string, std::string> Options; // key=value arguments

    bool Has(const std::string& key) const { return Options.count(key) != 0; }
    std::string Option(const std::string& key, const std::string& fallback = "") const;
};

// Splits a line into words. Blank lines and lines starting with '#' give an
// empty Name. Returns false (with a reason) on an unterminated quote or a bad escape.
bool ParseCommandLine(const std::string& line, RobotCommand& out, std::string& error);

// Quotes a text for the robot's output with the same escapes, so every byte
// above 0x7E and every control byte shows as \xHH (or \n, \r, \t).
std::string QuoteText(const std::string& text);

// Reads a number written in decimal or as 0x hexadecimal; false when the
// whole word is not a number.
bool ParseNumber(const std::string& word, long& value);
