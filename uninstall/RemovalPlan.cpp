#include "uninstall/RemovalPlan.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Windows opens a device for these names in the last component, whatever
// the directory and extension.
bool IsDeviceName(std::string_view component) {
    std::string base = Upper(component.substr(0, component.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CLOCK$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

// Windows drops trailing dots and spaces, so "..." and ". ." climb as ".." does.
bool IsDotsOnly(std::string_view component) {
    return !component.empty() && component.find_first_not_of(". ") == std::string_view::npos;
}

// The components after "X:\", without empty ones.
std::vector<std::string_view> Components(std::string_view path) {
    std::vector<std::string_view> components;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        if (end > start)
            components.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return components;
}

// "X:" and the upper-case components: the form in which paths are compared.
std::vector<std::string> ComparableParts(const std::string& path) {
    std::vector<std::string> parts;
    for (const std::string_view component : Components(path))
        parts.push_back(Upper(component));
    return parts;
}

std::string Join(const std::vector<std::string>& parts, size_t count) {
    std::string path = parts[0];
    for (size_t i = 1; i < count; ++i)
        path += "\\" + parts[i];
    return path;
}

} // namespace

PathProblem CheckRecordPath(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const bool device = path.size() >= 4 && (path[2] == '.' || path[2] == '?') && IsSeparator(path[3]);
        return device ? PathProblem::Device : PathProblem::Network;
    }
    if (path.size() < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || !IsSeparator(path[2]))
        return PathProblem::Relative;
    const std::string_view rest = std::string_view(path).substr(3);
    if (rest.find(':') != std::string_view::npos)
        return PathProblem::Device;
    if (rest.find_first_of("*?") != std::string_view::npos)
        return PathProblem::Wildcard;
    const std::vector<std::string_view> components = Components(rest);
    if (std::any_of(components.begin(), components.end(), IsDotsOnly))
        return PathProblem::Traversal;
    if (components.empty() || IsSeparator(path.back()))
        return PathProblem::Directory;
    if (IsDeviceName(components.back()))
        return PathProblem::Device;
    return PathProblem::None;
}

const char* DescribePathProblem(PathProblem problem) {
    // In the order of the enumeration.
    static const char* const kDescriptions[] = {
        "acceptable",
        "not a full path with a drive",
        "a network (UNC) path",
        "names a device or a stream, not a file",
        "holds a \".\" or \"..\" component",
        "holds wildcard characters",
        "names a directory, not a file",
    };
    static_assert(sizeof(kDescriptions) / sizeof(kDescriptions[0]) == static_cast<size_t>(PathProblem::Directory) + 1);
    return kDescriptions[static_cast<size_t>(problem)];
}

RemovalPlan PlanRemoval(const ParsedLog& log, const std::function<bool(const std::string&)>& isDirectory) {
    RemovalPlan plan;
    for (size_t i = log.Records.size(); i-- > 0;) {
        const LogRecord& record = log.Records[i];
        PathProblem problem = CheckRecordPath(record.Path);
        if (problem == PathProblem::None && isDirectory(record.Path))
            problem = PathProblem::Directory;
        if (problem != PathProblem::None)
            plan.Refused.push_back({record.Line, record.Path, problem});
        else
            plan.Order.push_back(i);
    }
    // Refusals in log order, as the user reads the log.
    std::reverse(plan.Refused.begin(), plan.Refused.end());
    return plan;
}

bool SamePath(const std::string& a, const std::string& b) {
    return ComparableParts(a) == ComparableParts(b);
}

std::vector<std::string> DirectoriesToTry(const std::vector<std::string>& files,
                                          const std::vector<std::string>& protectedFolders) {
    std::vector<std::vector<std::string>> guarded;
    for (const std::string& folder : protectedFolders) {
        if (!folder.empty())
            guarded.push_back(ComparableParts(folder));
    }
    // Each directory once, as its original text and its comparable parts.
    std::vector<std::pair<std::string, std::vector<std::string>>> found;
    for (const std::string& file : files) {
        std::vector<std::string> original;
        for (const std::string_view component : Components(file))
            original.emplace_back(component);
        const std::vector<std::string> parts = ComparableParts(file);
        // Below the drive root: at least "X:" and one more part.
        for (size_t count = parts.size() - 1; count >= 2 && count < parts.size(); --count) {
            const std::vector<std::string> directory(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(count));
            if (std::find(guarded.begin(), guarded.end(), directory) != guarded.end())
                break;
            const bool seen = std::any_of(found.begin(), found.end(),
                                          [&](const auto& entry) { return entry.second == directory; });
            if (!seen)
                found.emplace_back(Join(original, count), directory);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
    std::vector<std::string> directories;
    for (const auto& entry : found)
        directories.push_back(entry.first);
    return directories;
}
