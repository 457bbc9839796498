// Whole-file reads and writes in binary mode through the C library, which
// takes paths as ANSI bytes on Windows as well.
#pragma once
#include <string>

enum class FileReadResult {
    Read,        // bytes holds the whole file
    Missing,     // no file of that name
    Unreadable,  // it exists (or could not be told apart from existing) but cannot be read
};

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes);

// Creates or truncates the file and writes all bytes; false when any step,
// closing included, fails.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
