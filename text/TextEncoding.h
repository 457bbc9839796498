// Script and log texts between encodings. A script that begins with the
// UTF-8 byte order mark is UTF-8; any other is in the machine's legacy ANSI
// code page. Programs run in UTF-8 where the system grants it (Windows 10
// 1903 and later read the manifest's code page), else in the ANSI code page.
#pragma once
#include <optional>
#include <string>

extern const char Utf8Mark[4]; // EF BB BF

bool StartsWithUtf8Mark(const std::string& bytes);
bool IsPlainAscii(const std::string& bytes);

// UTF-16 from UTF-8; empty optional for bytes that are not UTF-8 (overlong
// forms, surrogates and values past U+10FFFF included).
std::optional<std::u16string> DecodeUtf8(const std::string& bytes);
// UTF-8 from UTF-16; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(const std::u16string& text);

// The system's conversions, which only it has tables for.
class CodePageConverter {
public:
    virtual ~CodePageConverter() = default;
    // Bytes of the legacy ANSI code page as Unicode; every byte has a form.
    virtual std::u16string LegacyToUnicode(const std::string& bytes) const = 0;
    // Unicode in the legacy ANSI code page; empty optional when a character
    // has no exact form there (no look-alike stands in for it).
    virtual std::optional<std::string> UnicodeToLegacy(const std::u16string& text) const = 0;
};

enum class ScriptEncoding { Legacy, Utf8 };
enum class ScriptTextProblem { None, NotUtf8, NoFormInCodePage };

struct ScriptText {
    std::string Bytes;  // in the process code page, without the mark
    ScriptEncoding Encoding = ScriptEncoding::Legacy;
    ScriptTextProblem Problem = ScriptTextProblem::None;
    int Line = 0;       // 1-based line of the problem
};

// The raw script in the process code page: UTF-8 when processIsUtf8, else the
// legacy ANSI code page. Text behind the first Ctrl-Z byte is never read and
// stays as it is.
ScriptText DecodeScriptText(const std::string& raw, bool processIsUtf8, const CodePageConverter& pages);

// The message that stops setup for a script it cannot read.
std::string ScriptTextMessage(const ScriptText& text);

// A text from one code page in another: both UTF-8, both legacy, or across.
// Empty optional when a character has no form in the target.
std::optional<std::string> Recode(const std::string& bytes, bool fromUtf8, bool toUtf8,
                                  const CodePageConverter& pages);
