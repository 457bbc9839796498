// Number arguments: what setup reads from them, and whether that is meant.
#include <string>

#include "checker/CheckFacts.h"
#include "script/Numbers.h"

namespace {
void OutOfRange(const std::string& text, const SourceSpan& where, const std::string& why, Diagnostics& out) {
    out.push_back(MakeDiagnostic("S104", where, Quoted(text) + " is out of range: " + why));
}
}

void CheckNumber(char kind, const std::string& text, const SourceSpan& where, Diagnostics& out) {
    if (kind != 'n' && kind != 'f' && kind != 'c' && kind != 'd')
        return;
    const NumberReading reading = ReadNumberText(text);
    const int value = reading.Value;
    if (!reading.Whole) {
        out.push_back(MakeDiagnostic("S103", where,
                                     Quoted(text) + " is not a number; setup reads it as " + std::to_string(value)));
        return;
    }
    if (reading.Clamped)
        OutOfRange(text, where, "setup reads it as " + std::to_string(value), out);
    else if (kind == 'c' && (value < 0 || value > 255))
        OutOfRange(text, where, "a colour component is 0 to 255 and only its low 8 bits count (" +
                                    std::to_string(ReadColourComponent(text)) + ")", out);
    else if (kind == 'd' && (value < 0 || value > 32767))
        OutOfRange(text, where, "a disk number is 0 to 32767; it is cut to 16 bits (" +
                                    std::to_string(static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF))) + ")",
                   out);
}
