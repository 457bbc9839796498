#include "text/PathText.h"

#include <algorithm>
#include <cctype>

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

namespace {

// The length of the part of a normalized path that no ".." takes away:
// "C:" or "\\server\share"; 0 when the path is not full.
size_t RootLength(const std::string& path) {
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\')
        return 2;
    if (path.size() < 3 || path[0] != '\\' || path[1] != '\\' || path[2] == '\\')
        return 0;
    const size_t share = path.find('\\', 2);
    if (share == std::string::npos || share + 1 >= path.size() || path[share + 1] == '\\')
        return 0;
    const size_t end = std::min(path.find('\\', share + 1), path.size());
    // "\\?\" and "\\.\" are the system's device forms, not shares, and
    // ".." cannot name a server or a share.
    const std::string server = path.substr(2, share - 2), name = path.substr(share + 1, end - share - 1);
    for (const std::string& part : {server, name})
        if (part == "." || part == ".." || part == "?")
            return 0;
    return end;
}

} // namespace

std::string NormalizedPath(const std::string& path) {
    std::string text = path;
    for (char& c : text)
        if (c == '/')
            c = '\\';
    const size_t root = RootLength(text);
    if (root == 0)
        return std::string();
    std::vector<std::string> components;
    size_t start = root;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\\', start), text.size());
        const std::string component = text.substr(start, end - start);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    std::string normal = text.substr(0, root);
    for (const std::string& component : components)
        normal += "\\" + component;
    if (components.empty() && root == 2)
        normal += '\\';
    return normal;
}

std::vector<std::string> FolderLevels(const std::string& normalizedPath) {
    std::vector<std::string> levels;
    const size_t root = RootLength(normalizedPath);
    if (root == 0 || normalizedPath.size() <= root + 1)
        return levels;
    for (size_t slash = normalizedPath.find('\\', root + 1); slash != std::string::npos;
         slash = normalizedPath.find('\\', slash + 1))
        levels.push_back(normalizedPath.substr(0, slash));
    levels.push_back(normalizedPath);
    return levels;
}

bool IsInsideFolder(const std::string& normalizedPath, const std::string& normalizedFolder) {
    if (normalizedFolder.empty() || normalizedPath.compare(0, normalizedFolder.size(), normalizedFolder) != 0)
        return false;
    // "C:\Apps" holds "C:\Apps\x" but not "C:\Apps2"; a drive root ends in its separator.
    return normalizedPath.size() == normalizedFolder.size() || normalizedFolder.back() == '\\' ||
           normalizedPath[normalizedFolder.size()] == '\\';
}

std::string UpperCasedPath(const std::string& path) {
    std::string folded = path;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}
