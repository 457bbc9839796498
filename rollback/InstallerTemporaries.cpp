#include "rollback/InstallerTemporaries.h"

#include <algorithm>

#include "text/IniSyntax.h"

namespace {
constexpr uint64_t kCoarsestTimeStep = 2ull * 10000000; // FAT's two seconds
}

bool IsInstallerTemporaryName(const std::string& name) {
    const size_t digits = name.size() < 7 ? 0 : name.size() - 7;
    if (digits < 1 || digits > 4 || !SameNameIgnoringCase(name.substr(0, 3), "ver") ||
        !SameNameIgnoringCase(name.substr(name.size() - 4), ".tmp"))
        return false;
    return std::all_of(name.begin() + 3, name.end() - 4, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

std::vector<std::string> RunsTemporaries(const std::vector<FoundTemporary>& now, const std::vector<std::string>& earlier,
                                         uint64_t journaledAt) {
    std::vector<std::string> ours;
    const uint64_t notBefore = journaledAt > kCoarsestTimeStep ? journaledAt - kCoarsestTimeStep : 0;
    for (const FoundTemporary& found : now) {
        const bool wasThere = std::any_of(earlier.begin(), earlier.end(), [&](const std::string& name) {
            return SameNameIgnoringCase(name, found.Name);
        });
        if (IsInstallerTemporaryName(found.Name) && !wasThere && found.CreationTime >= notBefore)
            ours.push_back(found.Name);
    }
    return ours;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += name + '\0';
    return joined;
}

std::vector<std::string> SplitNames(const std::string& joined) {
    std::vector<std::string> names;
    for (size_t start = 0; start < joined.size();) {
        const size_t end = std::min(joined.find('\0', start), joined.size());
        names.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return names;
}
