// Conversions of script arguments: numbers as the C library reads an int.
#pragma once
#include <cstdint>
#include <string>

// Leading blanks, an optional sign, then digits up to the first other
// character; no digits give 0. Values beyond int are clamped, never wrapped.
int ReadNumber(const std::string& text);

// What ReadNumber made of a text, for the script checker.
struct NumberReading {
    int Value = 0;
    bool Whole = false;   // blanks, sign and digits only, with at least one digit
    bool Clamped = false; // the digits stand for a value beyond int
};
NumberReading ReadNumberText(const std::string& text);

// A number stored as 1 when non-zero, 0 otherwise.
int ReadFlag(const std::string& text);

// A colour component: only the low 8 bits of the number count.
int ReadColourComponent(const std::string& text);
