// The medium as a POSIX host sees it: "\" becomes "/", and directory and
// file names match without regard to case, as they do on Windows.
#pragma once
#include "checker/MediumFiles.h"

class PosixMediumFiles : public MediumFiles {
public:
    // medium may be relative to the current directory.
    explicit PosixMediumFiles(const std::string& medium);

    std::string Directory() const override { return medium_; }

    bool Enumerate(const std::string& pattern,
                   const std::function<void(const std::string& name, bool isDirectory)>& visit) override;

private:
    std::string medium_;
};
