// How the checker looks at the installation medium: directory listings
// only, never opening or running a file.
#pragma once
#include <functional>
#include <string>

class MediumFiles {
public:
    virtual ~MediumFiles() = default;

    // The medium directory as a full path: the value of [SP].
    virtual std::string Directory() const = 0;

    // Calls visit for each entry that matches the wildcard pattern (a path
    // as the script gives it, "\" between components; a relative path is
    // taken from the medium directory). Returns false when this host cannot
    // look at that path, so that nothing can be said about it.
    virtual bool Enumerate(const std::string& pattern,
                           const std::function<void(const std::string& name, bool isDirectory)>& visit) = 0;
};
