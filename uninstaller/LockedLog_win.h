// Uninstall.log held open without sharing for the whole uninstallation: a
// second uninstaller started on the same log cannot open it and stops, and
// the log is rewritten through the same handle as work is done.
#pragma once
#include <string>

#include "windows/Handles.h"

enum class LogOpenResult { Opened, Missing, Busy, Failed };

class LockedLog {
public:
    LogOpenResult Open(const std::string& path);
    // The whole file; false when it cannot be read.
    bool ReadAll(std::string& bytes) const;
    // Replaces the whole content.
    bool Rewrite(const std::string& bytes) const;
    void Close() { file_.reset(); }
    unsigned long OpenError() const { return openError_; }

private:
    FileHandle file_;
    unsigned long openError_ = 0;
};
