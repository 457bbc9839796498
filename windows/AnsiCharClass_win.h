// The reader's letters and digits as the system's ANSI code page has them;
// setup.exe and setupcheck.exe read scripts with the same classification.
#pragma once
#include <windows.h>

inline bool IsCharAlphaNumericAnsi(unsigned char c) {
    return IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE;
}
