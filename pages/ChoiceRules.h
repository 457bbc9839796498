// Rules of the destination and program group pages, apart from the windows
// that show them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Whether the path is long enough for its first three characters to name a
// drive root; the free space is asked for only then. (Next needs more: a
// full path, see IsFullPath.)
bool PathNamesDriveRoot(const std::string& path);

// The drive root that the free-space query asks about: the path's first
// three characters (C:\ for C:\Program Files\App\).
std::string DriveRootOf(const std::string& path);

// The free-space field: whole units of 1024 bytes followed by " kb".
std::string FreeSpaceText(uint64_t freeBytes);

// Free bytes from the old cluster query, multiplied as unsigned 32-bit
// numbers as that call's callers always did (it reports at most 2 GB).
uint64_t FreeBytesFromClusters(uint32_t freeClusters, uint32_t sectorsPerCluster, uint32_t bytesPerSector);

// A folder chosen with the browser becomes folder\APPNAME\.
std::string InstallDirFromChosenFolder(const std::string& folder, const std::string& appName);

// "Create new group": the programs folder, the typed name and a backslash.
std::string NewProgramGroup(const std::string& programsFolder, const std::string& groupName);

// The title of the destination and sections pages: the caption when there is
// one, else "<application> Setup", else nothing (the template keeps its own).
std::optional<std::string> ChoicePageTitle(const std::string& caption, const std::string& appName);

struct SectionEntry;
// The sections named on the command line (/SECTIONS) are selected, every
// other one is not (must-install sections are installed all the same).
// Names match exactly, as in CreateSection. Returns the first name that no
// section has, changing nothing then.
std::optional<std::string> SelectSectionsByName(std::vector<SectionEntry>& sections,
                                                const std::vector<std::string>& names);
