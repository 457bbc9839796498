// Shared steps of the checker tests: a medium held in memory and checking
// a script given as text.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "checker/MediumFiles.h"
#include "checker/ScriptCheck.h"

// Files on a medium at "C:\MEDIUM", by their paths below it ("disk1\a.dat");
// relative patterns start there.
class FakeMedium : public MediumFiles {
public:
    explicit FakeMedium(std::set<std::string> files = {}) : files_(std::move(files)) {}

    std::string Directory() const override { return "C:\\MEDIUM"; }
    bool Enumerate(const std::string& pattern,
                   const std::function<void(const std::string& name, bool isDirectory)>& visit) override;

private:
    std::set<std::string> files_;
};

std::vector<Diagnostic> CheckText(const std::string& script, std::set<std::string> files = {});

// "CODE line:column" of each diagnostic, for compact expectations.
std::vector<std::string> Findings(const std::vector<Diagnostic>& diagnostics);
