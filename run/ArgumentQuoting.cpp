#include "run/ArgumentQuoting.h"

std::string QuotedArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled and the quote escaped;
        // elsewhere they stand for themselves.
        if (c == '"')
            quoted.append(2 * backslashes + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    // The closing quote must not be escaped by the argument's own backslashes.
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments)
        line += " " + QuotedArgument(argument);
    return line;
}
