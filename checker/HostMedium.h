// The medium as this host sees it. On Windows FindFirstFileA lists it; on a
// POSIX host "\" becomes "/", and directory and file names match without
// regard to case, as they do on Windows.
#pragma once
#include <map>
#include <utility>
#include <vector>

#include "checker/MediumFiles.h"

class HostMedium : public MediumFiles {
public:
    // medium may be relative to the current directory.
    explicit HostMedium(const std::string& medium);

    std::string Directory() const override { return medium_; }
    bool Enumerate(const std::string& pattern,
                   const std::function<void(const std::string& name, bool isDirectory)>& visit) override;

private:
    // A directory as read once (POSIX): a script that names thousands of files
    // in one folder must not read that folder again for each of them. Windows
    // looks names up in its own directory index.
    struct Listing {
        std::vector<std::pair<std::string, bool>> Entries; // name, is a directory; in the system's order
        std::multimap<std::string, size_t> ByLowered;       // lower-case name -> entry, in that order
    };
    const Listing& ListingOf(const std::string& directory);
    std::string FindComponent(const std::string& parent, const std::string& component);
    // The directory a path written with "/" names, matching names without
    // regard to case; empty when there is none.
    std::string FindDirectory(const std::string& written);

    std::string medium_;
    std::map<std::string, Listing> listings_;
    std::map<std::string, std::string> directories_; // as written -> as found
};
