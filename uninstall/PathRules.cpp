#include "uninstall/PathRules.h"

#include <cctype>

std::string JoinPath(const std::string& directory, const std::string& name) {
    const size_t end = directory.find_last_not_of('\\');
    return (end == std::string::npos ? std::string() : directory.substr(0, end + 1)) + "\\" + name;
}

bool IsFullPath(const std::string& path) {
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\')
        return true;
    // \\server\share: a server name, a backslash and a share name.
    if (path.compare(0, 2, "\\\\") != 0)
        return false;
    const size_t slash = path.find('\\', 2);
    return slash != std::string::npos && slash > 2 && slash + 1 < path.size() && path[slash + 1] != '\\';
}
