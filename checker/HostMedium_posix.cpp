#include "checker/HostMedium.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <vector>

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

std::string Lowered(const std::string& text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool HasWildcard(const std::string& pattern) {
    return pattern.find_first_of("*?") != std::string::npos;
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

const HostMedium::Listing& HostMedium::ListingOf(const std::string& directory) {
    const auto known = listings_.find(directory);
    if (known != listings_.end())
        return known->second;
    Listing& listing = listings_[directory];
    const DirHandle dir(opendir(directory.c_str()));
    while (const dirent* entry = dir ? readdir(dir.get()) : nullptr) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const bool isDirectory = entry->d_type == DT_DIR ||
                                 ((entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) &&
                                  IsDirectory(directory + "/" + name));
        listing.ByLowered.emplace(Lowered(name), listing.Entries.size());
        listing.Entries.emplace_back(name, isDirectory);
    }
    return listing;
}

// The path below parent whose name equals component but for case, or empty.
std::string HostMedium::FindComponent(const std::string& parent, const std::string& component) {
    const std::string exact = parent + "/" + component;
    if (IsDirectory(exact))
        return exact;
    const Listing& listing = ListingOf(parent);
    const auto same = listing.ByLowered.equal_range(Lowered(component));
    for (auto at = same.first; at != same.second; ++at) {
        if (listing.Entries[at->second].second)
            return parent + "/" + listing.Entries[at->second].first;
    }
    return std::string();
}

std::string HostMedium::FindDirectory(const std::string& written) {
    const auto known = directories_.find(written);
    if (known != directories_.end())
        return known->second;
    std::string directory = !written.empty() && written[0] == '/' ? "" : ".";
    for (const std::string& component : Components(written)) {
        directory = component == ".." ? directory + "/.." : FindComponent(directory.empty() ? "/" : directory, component);
        if (directory.empty())
            break;
    }
    if (directory.empty() && Components(written).empty())
        directory = "/";
    return directories_[written] = directory;
}

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
    const std::string directory = FindDirectory(path.substr(0, slash));
    if (directory.empty())
        return true; // no such directory: nothing matches
    const Listing& listing = ListingOf(directory);
    if (!HasWildcard(namePattern)) {
        const auto same = listing.ByLowered.equal_range(Lowered(namePattern));
        for (auto at = same.first; at != same.second; ++at)
            visit(listing.Entries[at->second].first, listing.Entries[at->second].second);
        return true;
    }
    for (const auto& entry : listing.Entries) {
        if (MatchesWildcard(namePattern, entry.first))
            visit(entry.first, entry.second);
    }
    return true;
}
