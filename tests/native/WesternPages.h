// Windows-1252 as far as the tests need it, where the system's tables are
// not at hand.
#pragma once
#include "text/TextEncoding.h"

// Latin-1 with the euro sign at 0x80, as far as the tests need Windows-1252.
class Western : public CodePageConverter {
public:
    std::u16string LegacyToUnicode(const std::string& bytes) const override {
        std::u16string text;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            text += byte == 0x80 ? u'\u20AC' : static_cast<char16_t>(byte);
        }
        return text;
    }
    std::optional<std::string> UnicodeToLegacy(const std::u16string& text) const override {
        std::string bytes;
        for (const char16_t unit : text) {
            if (unit == u'\u20AC')
                bytes += '\x80';
            else if (unit < 0x100 && (unit < 0x80 || unit > 0x9F))
                bytes += static_cast<char>(unit);
            else
                return std::nullopt;
        }
        return bytes;
    }
};
