// Feeds arbitrary bytes as a script to the encoding step, for a process in
// UTF-8 and one in a single-byte code page (Latin-1 here): text that is
// accepted for a UTF-8 process must be UTF-8 up to the first Ctrl-Z, and a
// marked script accepted for the code page must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/TextEncoding.h"

namespace {
class Latin1 : public CodePageConverter {
public:
    std::u16string LegacyToUnicode(const std::string& bytes) const override {
        std::u16string text;
        for (const char c : bytes)
            text += static_cast<char16_t>(static_cast<unsigned char>(c));
        return text;
    }
    std::optional<std::string> UnicodeToLegacy(const std::u16string& text) const override {
        std::string bytes;
        for (const char16_t unit : text) {
            if (unit > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(unit);
        }
        return bytes;
    }
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const Latin1 pages;
    const ScriptText utf8 = DecodeScriptText(raw, true, pages);
    if (utf8.Problem == ScriptTextProblem::None && !DecodeUtf8(utf8.Bytes.substr(0, utf8.Bytes.find('\x1A'))))
        std::abort();
    const ScriptText ansi = DecodeScriptText(raw, false, pages);
    if (ansi.Problem == ScriptTextProblem::None && ansi.Encoding == ScriptEncoding::Utf8) {
        const std::string body = ansi.Bytes.substr(0, ansi.Bytes.find('\x1A'));
        const std::optional<std::string> back = Recode(body, false, true, pages);
        if (!back || *back != raw.substr(3, back->size()))
            std::abort();
    }
    return 0;
}
