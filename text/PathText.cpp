#include "text/PathText.h"

void CollapseBackslashes(std::string& path) {
    // The walk covers as many positions as the path had at the start, and
    // after a removal it does not look at the same position again: this is
    // what makes a run of three keep two backslashes.
    const size_t originalLength = path.size();
    for (size_t position = 0; position < originalLength; ++position) {
        if (position + 1 < path.size() && path[position] == '\\' && path[position + 1] == '\\')
            path.erase(position, 1);
    }
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

PathSplit SplitAtLastBackslash(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

void CompleteDirectoryDestination(std::string& destination, const std::string& source) {
    if (!destination.empty() && destination.back() == '\\')
        destination += FileNamePart(source);
}

std::string UpperCasedPath(const std::string& path) {
    std::string folded = path;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}
