#include "tests/e2e/robot/CommandLine.h"

#include <cstdio>
#include <cstdlib>

std::string RobotCommand::Option(const std::string& key, const std::string& fallback) const {
    const auto found = Options.find(key);
    return found == Options.end() ? fallback : found->second;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the escape after a backslash at line[i]; advances i past it.
bool ReadEscape(const std::string& line, size_t& i, std::string& word) {
    if (i + 1 >= line.size())
        return false;
    const char c = line[++i];
    switch (c) {
    case 'n': word += '\n'; return true;
    case 'r': word += '\r'; return true;
    case 't': word += '\t'; return true;
    case '\\': word += '\\'; return true;
    case '"': word += '"'; return true;
    case 'x': {
        if (i + 2 >= line.size() || HexDigit(line[i + 1]) < 0 || HexDigit(line[i + 2]) < 0)
            return false;
        word += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
        i += 2;
        return true;
    }
    default:
        return false;
    }
}

// A word runs to the next blank outside quotes; quoted parts may hold blanks.
// keyEnd is set to the position of the first unquoted '=' in the word.
bool ReadWord(const std::string& line, size_t& i, std::string& word, size_t& keyEnd, std::string& error) {
    bool quoted = false;
    keyEnd = std::string::npos;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (!quoted && (c == ' ' || c == '\t'))
            break;
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted && c == '\\') {
            if (!ReadEscape(line, i, word)) {
                error = "bad escape";
                return false;
            }
        } else {
            if (!quoted && c == '=' && keyEnd == std::string::npos)
                keyEnd = word.size();
            word += c;
        }
    }
    if (quoted) {
        error = "unterminated quote";
        return false;
    }
    return true;
}

} // namespace

bool ParseCommandLine(const std::string& line, RobotCommand& out, std::string& error) {
    out = RobotCommand{};
    size_t i = line.find_first_not_of(" \t\r\n");
    if (i == std::string::npos || line[i] == '#')
        return true;
    bool first = true;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n') {
            ++i;
            continue;
        }
        std::string word;
        size_t keyEnd;
        if (!ReadWord(line, i, word, keyEnd, error))
            return false;
        if (first)
            out.Name = word;
        else if (keyEnd != std::string::npos && keyEnd > 0)
            out.Options[word.substr(0, keyEnd)] = word.substr(keyEnd + 1);
        else
            out.Words.push_back(word);
        first = false;
    }
    return true;
}

std::string QuoteText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof(escape), "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

bool ParseNumber(const std::string& word, long& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 0);
    return end && *end == '\0';
}
