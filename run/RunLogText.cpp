#include "run/RunLogText.h"

namespace {
// Without the C library's formatting, which the small bundle loader does
// not link. Values are never negative.
std::string Digits(int value, int width) {
    std::string text;
    for (unsigned rest = static_cast<unsigned>(value); rest != 0 || text.empty(); rest /= 10)
        text.insert(text.begin(), static_cast<char>('0' + rest % 10));
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), '0');
    return text;
}

std::string Date(const LogTime& time) {
    return Digits(time.Year, 4) + "-" + Digits(time.Month, 2) + "-" + Digits(time.Day, 2);
}

} // namespace

const char ProgramVersionText[] = "1.0.0.0";

std::string RunLogLine(const LogTime& time, const std::string& event) {
    std::string line = Date(time) + " " + Digits(time.Hour, 2) + ":" + Digits(time.Minute, 2) + ":" +
                       Digits(time.Second, 2) + "." + Digits(time.Millisecond, 3) + "  ";
    for (size_t i = 0; i < event.size(); ++i) {
        if (event[i] == '\r' || event[i] == '\n') {
            if (event[i] == '\r' && i + 1 < event.size() && event[i + 1] == '\n')
                ++i;
            line += " / ";
        } else {
            line += event[i];
        }
    }
    return line + "\r\n";
}

std::string DefaultRunLogName(const LogTime& date, int number) {
    return "Tarvane Setup Log " + Date(date) + " #" + Digits(number, 3) + ".txt";
}

std::string ResultCodeText(uint32_t code) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kDigits[(code >> shift) & 0xF];
    return text;
}
