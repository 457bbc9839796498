#include "checker/HostMedium.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <vector>

#include "checker/Suggest.h"
#include "checker/Wildcard.h"

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Calls visit for every entry of directory but "." and "..".
void ForEachEntry(const std::string& directory, const std::function<void(const std::string&)>& visit) {
    const DirHandle dir(opendir(directory.c_str()));
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            visit(name);
    }
}

// The path below parent whose name equals component but for case, or empty.
std::string FindComponent(const std::string& parent, const std::string& component) {
    const std::string exact = parent + "/" + component;
    if (IsDirectory(exact))
        return exact;
    std::string found;
    ForEachEntry(parent, [&](const std::string& name) {
        if (found.empty() && EqualIgnoringCase(name, component) && IsDirectory(parent + "/" + name))
            found = parent + "/" + name;
    });
    return found;
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t slash = path.find('/'); ; slash = path.find('/', start)) {
        const std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

} // namespace

HostMedium::HostMedium(const std::string& medium) : medium_(medium) {
    const std::unique_ptr<char, decltype(&free)> full(realpath(medium.c_str(), nullptr), &free);
    if (full)
        medium_ = full.get();
}

bool HostMedium::Enumerate(const std::string& pattern,
                                 const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    if (pattern.size() >= 2 && std::isalpha(static_cast<unsigned char>(pattern[0])) && pattern[1] == ':')
        return false; // a Windows drive: not on this host
    std::string path;
    for (char c : pattern)
        path += c == '\\' ? '/' : c;
    if (path.empty() || path[0] != '/')
        path = medium_ + "/" + path;
    const size_t slash = path.rfind('/');
    const std::string namePattern = path.substr(slash + 1);
    std::string directory = path[0] == '/' ? "" : ".";
    for (const std::string& component : Components(path.substr(0, slash))) {
        directory = component == ".." ? directory + "/.." : FindComponent(directory.empty() ? "/" : directory, component);
        if (directory.empty())
            return true; // no such directory: nothing matches
    }
    if (directory.empty())
        directory = "/";
    ForEachEntry(directory, [&](const std::string& name) {
        if (MatchesWildcard(namePattern, name))
            visit(name, IsDirectory(directory + "/" + name));
    });
    return true;
}
