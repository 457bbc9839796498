#include "checker/Report.h"

#include <cctype>
#include <cstdio>

#include "text/TextEncoding.h"

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
const unsigned short kCp1252High[32] = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

std::string Hex4(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", value & 0xFFFFu);
    return buffer;
}

std::string Plural(size_t count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

std::string TextLine(const std::string& file, const Diagnostic& d) {
    std::string line = file + ":" + std::to_string(d.Where.Begin.Line) + ":" + std::to_string(d.Where.Begin.Column) +
                       ": " + SeverityName(d.Level) + ": " + d.Message;
    if (!d.Suggestion.empty())
        line += "; did you mean '" + d.Suggestion + "'?";
    return line + " [" + d.Code + "]";
}

// The end column on the first line: a span over several lines is cut there.
int EndColumn(const Diagnostic& d) {
    if (d.Where.End.Line == d.Where.Begin.Line && d.Where.End.Column > d.Where.Begin.Column)
        return d.Where.End.Column;
    return d.Where.Begin.Column + 1;
}

std::string ArtifactUri(const std::string& file) {
    std::string path;
    for (char c : file)
        path += c == '\\' ? '/' : c;
    const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
    std::string uri = drive ? "file:///" : "";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::string("-._~/:").find(static_cast<char>(c)) != std::string::npos) {
            uri += static_cast<char>(c);
        } else {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%%%02X", c);
            uri += buffer;
        }
    }
    return uri;
}

size_t RuleIndex(const std::string& code) {
    const std::vector<CodeInfo>& codes = AllCodes();
    for (size_t i = 0; i < codes.size(); ++i) {
        if (code == codes[i].Code)
            return i;
    }
    return 0;
}

} // namespace

// Text that is UTF-8 (a marked script, a POSIX file name) is taken as such;
// other bytes above 127 as Windows-1252, the code page of unmarked scripts.
std::string JsonString(const std::string& text) {
    const std::optional<std::u16string> unicode = DecodeUtf8(text);
    std::u16string units;
    if (unicode)
        units = *unicode;
    else
        for (const unsigned char c : text)
            units += static_cast<char16_t>(c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    std::string out = "\"";
    for (const char16_t c : units) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + static_cast<char>(c);
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7F)
            out += Hex4(c);
        else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

void WriteText(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics) {
    size_t errors = 0;
    for (const Diagnostic& d : diagnostics) {
        out << TextLine(file, d) << "\n";
        errors += d.Level == Severity::Error ? 1 : 0;
    }
    out << Plural(errors, "error") << ", " << Plural(diagnostics.size() - errors, "warning") << "\n";
}

void WriteJsonLines(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics) {
    for (const Diagnostic& d : diagnostics) {
        out << "{\"file\":" << JsonString(file) << ",\"line\":" << d.Where.Begin.Line
            << ",\"column\":" << d.Where.Begin.Column << ",\"end_column\":" << EndColumn(d)
            << ",\"severity\":\"" << SeverityName(d.Level) << "\",\"code\":\"" << d.Code
            << "\",\"message\":" << JsonString(d.Message)
            << ",\"suggestion\":" << (d.Suggestion.empty() ? "null" : JsonString(d.Suggestion)) << "}\n";
    }
}

void WriteSarif(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics) {
    out << "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\",\"version\":\"2.1.0\",\"runs\":[{"
        << "\"tool\":{\"driver\":{\"name\":\"setupcheck\",\"rules\":[";
    const std::vector<CodeInfo>& codes = AllCodes();
    for (size_t i = 0; i < codes.size(); ++i) {
        out << (i ? "," : "") << "{\"id\":\"" << codes[i].Code << "\",\"shortDescription\":{\"text\":"
            << JsonString(codes[i].Summary) << "},\"defaultConfiguration\":{\"level\":\""
            << SeverityName(codes[i].Level) << "\"}}";
    }
    out << "]}},\"artifacts\":[{\"location\":{\"uri\":" << JsonString(ArtifactUri(file)) << "}}],\"results\":[";
    for (size_t i = 0; i < diagnostics.size(); ++i) {
        const Diagnostic& d = diagnostics[i];
        std::string text = d.Message;
        if (!d.Suggestion.empty())
            text += "; did you mean '" + d.Suggestion + "'?";
        out << (i ? "," : "") << "{\"ruleId\":\"" << d.Code << "\",\"ruleIndex\":" << RuleIndex(d.Code)
            << ",\"level\":\"" << SeverityName(d.Level) << "\",\"message\":{\"text\":" << JsonString(text)
            << "},\"locations\":[{\"physicalLocation\":{\"artifactLocation\":{\"uri\":"
            << JsonString(ArtifactUri(file)) << ",\"index\":0},\"region\":{\"startLine\":" << d.Where.Begin.Line
            << ",\"startColumn\":" << d.Where.Begin.Column << ",\"endColumn\":" << EndColumn(d) << "}}}]}";
    }
    out << "]}]}\n";
}
