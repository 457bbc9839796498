// Character classification used by the script reader.
#pragma once

// Tells whether a byte of the ANSI code page is a letter or a digit.
using CharClassifier = bool (*)(unsigned char);

// Windows-1252 classification that agrees with IsCharAlphaNumericA on a
// system whose ANSI code page is 1252; used where Windows is not at hand.
bool IsAlphaNumeric1252(unsigned char c);
