// Command lines that a started program splits back into exactly the
// arguments it was given: the C runtime's rules (blanks separate arguments,
// quotes group, backslashes escape a quote only when they stand before one).
#pragma once
#include <string>
#include <vector>

// The argument as it must stand on a command line: unchanged when it holds
// no blank, tab or quote and is not empty, else quoted with every quote and
// every backslash before a quote escaped.
std::string QuotedArgument(const std::string& argument);

// "program" and the quoted arguments, separated by blanks. The program path
// is quoted without escapes: the runtime reads the program name up to the
// next quote, and a path holds none.
std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments);
