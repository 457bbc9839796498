// The few values of a file's version resource that the installation engine
// compares or shows. The record is plain data so that decisions built on it
// stay portable; ReadVersionInfo itself exists in the Win32 layer only.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

struct FileVersionInfo {
    std::uint32_t FileVersionMS = 0; // major in the high word, minor in the low word
    std::uint32_t FileVersionLS = 0; // build in the high word, revision in the low word
    std::uint16_t Language = 0;      // first entry of \VarFileInfo\Translation
    std::uint16_t CodePage = 0;
    std::string LanguageName;        // English name of Language, at most 255 characters
};

// Nothing when the file has no readable version resource or no fixed file
// information. A resource without a translation table gives language 0,
// code page 0 and an empty name: the language dialog then shows "0" and an
// empty field instead of the name of whatever locale 0 happens to map to.
std::optional<FileVersionInfo> ReadVersionInfo(const std::string& path);
