// What the bundle loader reads of its own command line: the part it hands to
// setup.exe unchanged, and whether it is to stay quiet itself.
#pragma once
#include <string>

// Everything after the program name, as it is (the name is skipped by the
// rules of the C runtime: up to the closing quote, or up to the first blank;
// then the blanks that follow).
std::string CommandTail(const std::string& commandLine);

enum class Quietness { Normal, Silent, VerySilent };

// /VERYSILENT or /SILENT (also with "-", in any case) among the words of the
// tail; quoted words count as one word.
Quietness QuietnessOf(const std::string& tail);
