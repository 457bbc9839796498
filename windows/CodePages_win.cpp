#include "windows/CodePages_win.h"

#include <cstdlib>
#include <vector>

namespace {
constexpr UINT kWestern = 1252;

std::wstring ToWide(UINT codePage, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], length);
    return wide;
}

// Bytes of codePage; usedDefault tells whether a character had no form.
std::string FromWide(UINT codePage, const std::wstring& wide, BOOL* usedDefault) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, &bytes[0], length, nullptr,
                        codePage == CP_UTF8 ? nullptr : usedDefault);
    return bytes;
}
}

bool ProcessIsUtf8() {
    return GetACP() == CP_UTF8;
}

UINT LegacyAnsiCodePage() {
    if (!ProcessIsUtf8())
        return GetACP();
    char digits[8] = {};
    if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, sizeof(digits)) > 0) {
        const UINT page = static_cast<UINT>(std::strtoul(digits, nullptr, 10));
        if (page != 0)
            return page;
    }
    return kWestern;
}

UINT ProcessCodePage() {
    return GetACP();
}

std::u16string SystemCodePages::LegacyToUnicode(const std::string& bytes) const {
    const std::wstring wide = ToWide(LegacyAnsiCodePage(), bytes);
    return std::u16string(wide.begin(), wide.end());
}

// Converted back and compared: a look-alike the system picks (best fit)
// would name another file, so only an exact form counts.
std::optional<std::string> SystemCodePages::UnicodeToLegacy(const std::u16string& text) const {
    const UINT page = LegacyAnsiCodePage();
    const std::wstring wide(text.begin(), text.end());
    BOOL usedDefault = FALSE;
    std::string bytes = FromWide(page, wide, &usedDefault);
    if (usedDefault || ToWide(page, bytes) != wide)
        return std::nullopt;
    return bytes;
}

std::wstring WideOf(const std::string& text) {
    return ToWide(CP_ACP, text);
}

std::string WesternText(const std::string& bytes) {
    if (GetACP() == kWestern || IsPlainAscii(bytes))
        return bytes;
    const std::wstring wide = ToWide(kWestern, bytes);
    return wide.empty() ? bytes : FromWide(CP_ACP, wide, nullptr);
}
