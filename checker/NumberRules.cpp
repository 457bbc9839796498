// Number arguments: what setup reads from them, and whether that is meant.
#include <climits>
#include <string>

#include "checker/CheckFacts.h"
#include "script/Numbers.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Whether the text is blanks, an optional sign, digits and blanks only.
bool IsWholeNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits)
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i == text.size();
}

// Whether the digits of a whole number stand for a value beyond int,
// which setup clamps.
bool BeyondInt(const std::string& text) {
    const size_t sign = text.find_first_of("+-0123456789");
    const bool negative = text[sign] == '-';
    const long long limit = static_cast<long long>(INT_MAX) + (negative ? 1 : 0);
    long long magnitude = 0;
    for (size_t i = text.find_first_of("0123456789"); i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return true;
    }
    return false;
}

void OutOfRange(const std::string& text, const SourceSpan& where, const std::string& why, Diagnostics& out) {
    out.push_back(MakeDiagnostic("S104", where, Quoted(text) + " is out of range: " + why));
}
}

void CheckNumber(char kind, const std::string& text, const SourceSpan& where, Diagnostics& out) {
    if (kind != 'n' && kind != 'f' && kind != 'c' && kind != 'd')
        return;
    const int value = ReadNumber(text);
    if (!IsWholeNumber(text)) {
        out.push_back(MakeDiagnostic("S103", where,
                                     Quoted(text) + " is not a number; setup reads it as " + std::to_string(value)));
        return;
    }
    if (BeyondInt(text))
        OutOfRange(text, where, "setup reads it as " + std::to_string(value), out);
    else if (kind == 'c' && (value < 0 || value > 255))
        OutOfRange(text, where, "a colour component is 0 to 255 and only its low 8 bits count (" +
                                    std::to_string(ReadColourComponent(text)) + ")", out);
    else if (kind == 'd' && (value < 0 || value > 32767))
        OutOfRange(text, where, "a disk number is 0 to 32767; it is cut to 16 bits (" +
                                    std::to_string(static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF))) + ")",
                   out);
}
