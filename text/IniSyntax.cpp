#include "text/IniSyntax.h"

#include <algorithm>

namespace {
char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}

IniLine ReadIniLine(std::string_view line) {
    line = line.substr(0, line.find_first_of("\r\n;"));
    IniLine result;
    const size_t open = line.find('[');
    const size_t equals = line.find('=');
    if (open != std::string_view::npos && (equals == std::string_view::npos || equals > open)) {
        const std::string_view rest = line.substr(open + 1);
        result.Kind = IniLineKind::Header;
        result.SectionName = std::string(rest.substr(0, rest.find(']')));
    } else if (equals != std::string_view::npos) {
        result.Kind = IniLineKind::Entry;
        result.Key = std::string(line.substr(0, equals));
        result.Value = std::string(line.substr(equals + 1));
    }
    return result;
}

std::vector<std::string_view> SplitKeepingLineFeeds(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t feed = text.find('\n', start);
        const size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}
