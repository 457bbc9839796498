// Developer traces of platform calls whose raw answers decide an
// installation. Silent unless the environment variable SETUP_TRACE is set
// (to anything non-empty); then each trace is one line on standard error.
#pragma once
#include <string>

bool TraceEnabled();
void TraceLine(const std::string& line);

// A text argument for a trace: quoted, or null for a null pointer.
std::string TraceText(const char* text);
// A result in hexadecimal, as the bit constants are written.
std::string TraceHex(unsigned long value);
