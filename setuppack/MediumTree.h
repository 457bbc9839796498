// Every file of a medium folder, as the bundle's index will name it.
#pragma once
#include <string>
#include <vector>

#include "setuppack/PayloadWriter.h"

struct MediumListing {
    std::vector<PackSource> Files; // sorted by folded path: the same order on every host
    std::string Error;             // empty when the listing is complete
};

// Lists the regular files below medium (following links to files); a name
// that cannot be unpacked safely on Windows, two names that differ only in
// case, or anything that is neither file nor folder is an error.
MediumListing ListMedium(const std::string& medium);

// Sorts by the names as Windows compares them, then byte by byte.
void SortSources(std::vector<PackSource>& files);
