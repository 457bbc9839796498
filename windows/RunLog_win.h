// The run log file: each event is written and flushed as its own line, so
// that a crash leaves everything up to it. A write that fails (a full disk)
// closes the log; the run itself goes on.
#pragma once
#include <string>

#include "windows/Handles_win.h"

class RunLogFile {
public:
    // The file named, created or overwritten; false when it cannot be written.
    bool OpenNamed(const std::string& path);
    // A new file in the user's temporary folder under the default name with
    // the first free number; an existing log is never overwritten.
    bool OpenNew();
    void Write(const std::string& event);
    bool IsOpen() const { return static_cast<bool>(file_); }
    const std::string& Path() const { return path_; }

private:
    FileHandle file_;
    std::string path_;
};
