#include "setuppack/MediumTree.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "bundle/EntryPath.h"
#include "text/HostPath.h"

namespace fs = std::filesystem;

namespace {

std::string EntryPathOf(const fs::path& relative) {
    std::string entry;
    for (const fs::path& component : relative) {
        if (!entry.empty())
            entry += '\\';
        entry += HostText(component);
    }
    return entry;
}

} // namespace

void SortSources(std::vector<PackSource>& files) {
    std::sort(files.begin(), files.end(), [](const PackSource& a, const PackSource& b) {
        const std::string foldedA = FoldedEntryPath(a.EntryPath), foldedB = FoldedEntryPath(b.EntryPath);
        return foldedA != foldedB ? foldedA < foldedB : a.EntryPath < b.EntryPath;
    });
}

MediumListing ListMedium(const std::string& medium) {
    MediumListing listing;
    std::error_code error;
    const fs::path root = HostPath(medium);
    if (!fs::is_directory(root, error)) {
        listing.Error = "'" + medium + "' is not a folder";
        return listing;
    }
    fs::recursive_directory_iterator walk(root, fs::directory_options::none, error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        const fs::path& path = walk->path();
        const std::string entry = EntryPathOf(path.lexically_relative(root));
        if (walk->is_directory(error))
            continue;
        if (!walk->is_regular_file(error)) {
            listing.Error = "'" + HostText(path) + "' is neither a file nor a folder";
            return listing;
        }
        if (!IsSafeEntryPath(entry) || entry.find('/') != std::string::npos) {
            listing.Error = "'" + entry + "' cannot be unpacked on Windows under that name";
            return listing;
        }
        listing.Files.push_back(PackSource{entry, HostText(path)});
    }
    if (error) {
        listing.Error = "cannot list '" + medium + "': " + error.message();
        return listing;
    }
    SortSources(listing.Files);
    for (size_t i = 1; i < listing.Files.size(); ++i)
        if (FoldedEntryPath(listing.Files[i - 1].EntryPath) == FoldedEntryPath(listing.Files[i].EntryPath)) {
            listing.Error = "'" + listing.Files[i - 1].EntryPath + "' and '" + listing.Files[i].EntryPath +
                            "' differ only in case, which Windows does not tell apart";
            return listing;
        }
    return listing;
}
