#include "install/Trace_win.h"

#include <windows.h>

#include <cstdio>

bool TraceEnabled() {
    // Read once: the switch is set before the program starts.
    static const bool enabled = [] {
        char value[2] = {};
        return GetEnvironmentVariableA("SETUP_TRACE", value, sizeof(value)) > 0;
    }();
    return enabled;
}

void TraceLine(const std::string& line) {
    if (!TraceEnabled())
        return;
    std::fprintf(stderr, "setup: %s\n", line.c_str());
    std::fflush(stderr);
}

std::string TraceText(const char* text) {
    return text ? "\"" + std::string(text) + "\"" : "null";
}

std::string TraceHex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%lX", value);
    return text;
}
