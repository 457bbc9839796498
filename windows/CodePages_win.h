// The code pages the programs run in: UTF-8 where the manifest's code page
// is honoured, else the system's ANSI code page.
#pragma once
#include <windows.h>

#include <string>

#include "text/TextEncoding.h"

bool ProcessIsUtf8();

// The machine's ANSI code page as the system locale has it, also when this
// process runs in UTF-8.
UINT LegacyAnsiCodePage();

// The code page this process hands to the 8-bit functions.
UINT ProcessCodePage();

class SystemCodePages : public CodePageConverter {
public:
    std::u16string LegacyToUnicode(const std::string& bytes) const override;
    std::optional<std::string> UnicodeToLegacy(const std::u16string& text) const override;
};

// A text of the process code page in UTF-16, for the few wide calls that
// 8-bit forms get wrong; empty when it cannot be converted.
std::wstring WideOf(const std::string& text);

// A fixed text of ours, written in Western (1252) bytes, in the process code
// page, so that an acute accent stays one under UTF-8 too.
std::string WesternText(const std::string& bytes);
