// The medium as this host sees it. On Windows FindFirstFileA lists it; on a
// POSIX host "\" becomes "/", and directory and file names match without
// regard to case, as they do on Windows.
#pragma once
#include "checker/MediumFiles.h"

class HostMedium : public MediumFiles {
public:
    // medium may be relative to the current directory.
    explicit HostMedium(const std::string& medium);

    std::string Directory() const override { return medium_; }
    bool Enumerate(const std::string& pattern,
                   const std::function<void(const std::string& name, bool isDirectory)>& visit) override;

private:
    std::string medium_;
};
