#include "script/Numbers.h"

#include <climits>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}

NumberReading ReadNumberText(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    NumberReading reading;
    long long value = 0;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    const size_t digits = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
            reading.Clamped = true;
        }
    }
    const bool anyDigit = i > digits;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    reading.Whole = anyDigit && i == text.size();
    if (negative) {
        reading.Value = static_cast<int>(-value);
    } else {
        reading.Clamped = reading.Clamped || value > INT_MAX;
        reading.Value = value > INT_MAX ? INT_MAX : static_cast<int>(value);
    }
    return reading;
}

int ReadNumber(const std::string& text) {
    return ReadNumberText(text).Value;
}

int ReadFlag(const std::string& text) {
    return ReadNumber(text) != 0 ? 1 : 0;
}

int ReadColourComponent(const std::string& text) {
    return static_cast<int>(static_cast<unsigned>(ReadNumber(text)) & 0xFFu);
}
