#include "text/TextEncoding.h"

const char Utf8Mark[4] = "\xEF\xBB\xBF";

bool StartsWithUtf8Mark(const std::string& bytes) {
    return bytes.compare(0, 3, Utf8Mark) == 0;
}

bool IsPlainAscii(const std::string& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

namespace {
// The value of one UTF-8 sequence starting at i (i moves past it), or -1.
long NextCodePoint(const std::string& bytes, size_t& i) {
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    int length = 0;
    long value = 0;
    long smallest = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return -1;
    }
    if (bytes.size() - i < static_cast<size_t>(length))
        return -1;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return -1;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return -1;
    i += static_cast<size_t>(length);
    return value;
}

void AppendUtf8(std::string& out, unsigned long value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}

std::optional<std::u16string> DecodeUtf8(const std::string& bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const long value = NextCodePoint(bytes, i);
        if (value < 0)
            return std::nullopt;
        if (value < 0x10000) {
            text += static_cast<char16_t>(value);
        } else {
            text += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
        }
    }
    return text;
}

std::string EncodeUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((static_cast<unsigned long>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::optional<std::string> Recode(const std::string& bytes, bool fromUtf8, bool toUtf8,
                                  const CodePageConverter& pages) {
    if (fromUtf8 == toUtf8 || IsPlainAscii(bytes))
        return bytes;
    if (!fromUtf8)
        return EncodeUtf8(pages.LegacyToUnicode(bytes));
    const std::optional<std::u16string> text = DecodeUtf8(bytes);
    if (!text)
        return std::nullopt;
    return pages.UnicodeToLegacy(*text);
}

ScriptText DecodeScriptText(const std::string& raw, bool processIsUtf8, const CodePageConverter& pages) {
    ScriptText result;
    const bool marked = StartsWithUtf8Mark(raw);
    result.Encoding = marked ? ScriptEncoding::Utf8 : ScriptEncoding::Legacy;
    const size_t begin = marked ? 3 : 0;
    const size_t stop = raw.find('\x1A', begin);
    const size_t end = stop == std::string::npos ? raw.size() : stop;
    result.Bytes.reserve(end - begin);
    int line = 1;
    for (size_t start = begin; start < end; ++line) {
        const size_t lineEnd = raw.find('\n', start);
        const size_t next = lineEnd == std::string::npos || lineEnd >= end ? end : lineEnd + 1;
        const std::string text = raw.substr(start, next - start);
        start = next;
        if (marked && !DecodeUtf8(text)) {
            result.Problem = ScriptTextProblem::NotUtf8;
        } else if (const auto converted = Recode(text, marked, processIsUtf8, pages)) {
            result.Bytes += *converted;
            continue;
        } else {
            result.Problem = ScriptTextProblem::NoFormInCodePage;
        }
        result.Line = line;
        result.Bytes.clear();
        return result;
    }
    result.Bytes.append(raw, end, std::string::npos);
    return result;
}

std::string ScriptTextMessage(const ScriptText& text) {
    const std::string where = "SetupScript.ini, line " + std::to_string(text.Line) + ": ";
    switch (text.Problem) {
    case ScriptTextProblem::None:
        return {};
    case ScriptTextProblem::NotUtf8:
        return where + "the script begins with the UTF-8 mark, but this line is not UTF-8 text. Save the script "
                       "as UTF-8 again. Nothing has been installed.";
    case ScriptTextProblem::NoFormInCodePage:
        return where + "this line holds a character that this version of Windows cannot handle in its code page. "
                       "Setup needs Windows 10 (version 1903) or later for this script. Nothing has been installed.";
    }
    return {};
}
