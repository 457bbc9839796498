#include "windows/FolderSecurity.h"

#include <string_view>

namespace {

// The text of one part ("O:", "G:", "D:" or "S:") of an SDDL text whose
// parts come in that order; a tag inside an entry's parentheses is no part.
std::string_view Part(std::string_view sddl, char tag) {
    size_t depth = 0;
    size_t start = std::string_view::npos;
    for (size_t i = 0; i < sddl.size(); ++i) {
        if (sddl[i] == '(')
            ++depth;
        else if (sddl[i] == ')' && depth > 0)
            --depth;
        const bool partStart = depth == 0 && i + 1 < sddl.size() && sddl[i + 1] == ':' &&
                               (sddl[i] == 'O' || sddl[i] == 'G' || sddl[i] == 'D' || sddl[i] == 'S');
        if (!partStart)
            continue;
        if (start != std::string_view::npos)
            return sddl.substr(start, i - start);
        if (sddl[i] == tag)
            start = i + 2;
    }
    return start == std::string_view::npos ? std::string_view() : sddl.substr(start);
}

bool Trusted(std::string_view sid, const std::string& currentUser) {
    return sid == "BA" || sid == "SY" || sid == "S-1-5-32-544" || sid == "S-1-5-18" ||
           (!currentUser.empty() && sid == currentUser);
}

// "(type;flags;rights;object;inherited object;sid)"
bool TrustedEntry(std::string_view entry, const std::string& currentUser) {
    const size_t typeEnd = entry.find(';');
    const size_t sidStart = entry.rfind(';');
    if (typeEnd == std::string_view::npos || sidStart == typeEnd)
        return false;
    const std::string_view type = entry.substr(0, typeEnd);
    return (type == "A" || type == "D") && Trusted(entry.substr(sidStart + 1), currentUser);
}

} // namespace

bool IsAdministratorsOnlySecurity(const std::string& sddl, const std::string& currentUser) {
    if (!Trusted(Part(sddl, 'O'), currentUser))
        return false;
    std::string_view dacl = Part(sddl, 'D');
    const size_t first = dacl.find('(');
    if (first == std::string_view::npos)
        return false; // no entry, or no list at all
    dacl.remove_prefix(first);
    int entries = 0;
    while (!dacl.empty()) {
        const size_t close = dacl.find(')');
        if (dacl.front() != '(' || close == std::string_view::npos ||
            !TrustedEntry(dacl.substr(1, close - 1), currentUser))
            return false;
        dacl.remove_prefix(close + 1);
        ++entries;
    }
    return entries > 0;
}
