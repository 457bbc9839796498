// The medium as Windows sees it, listed with FindFirstFileA.
#pragma once
#include "checker/MediumFiles.h"

class Win32MediumFiles : public MediumFiles {
public:
    // medium may be relative to the current directory.
    explicit Win32MediumFiles(const std::string& medium);

    std::string Directory() const override { return medium_; }

    bool Enumerate(const std::string& pattern,
                   const std::function<void(const std::string& name, bool isDirectory)>& visit) override;

private:
    std::string medium_;
};
