// The copy run as a plan: which sections are installed and in what order,
// which files each installs, and what the two progress bars show. The Win32
// copy page walks the plan, installs each file and sets the bars; the texts
// and paths it shows and creates come from the helpers below.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "script/SetupRecords.h"

struct CopyFileStep {
    size_t FileIndex = 0;     // 0-based position in Files
    int FileBarPosition = 0;  // files of this section begun before this one
    // What the run returns when this file stops it: its 1-based position in
    // Files, counted over all sections.
    int StopPosition() const { return static_cast<int>(FileIndex) + 1; }
};

struct CopySectionStep {
    size_t SectionIndex = 0;     // position in Sections
    int SectionBarPosition = 0;  // installed sections begun before this one
    uint16_t FileBarHigh = 0;    // file bar range 0 .. FileBarHigh (see ProgressRangeHigh)
    std::vector<CopyFileStep> Files;
};

// A section is installed when it is selected or must be installed (any
// non-zero value).
bool IsSectionInstalled(const SectionEntry& section);

// Installed sections in Sections order, each with the entries of Files whose
// Section equals its name exactly, in Files order. A name that occurs twice
// in Sections installs its files twice; files of no installed section are
// left out.
std::vector<CopySectionStep> PlanCopyRun(const std::vector<SectionEntry>& sections,
                                         const std::vector<FileEntry>& files);

// The high word of a progress bar range 0 .. count - 1 (PBM_SETRANGE): taken
// modulo 65536, so a count of 0 gives 0xFFFF.
uint16_t ProgressRangeHigh(size_t count);

// How many of a smooth progress bar's widthPixels are filled at position in
// the range 0 .. high, rounded as the control rounds (none when high is 0).
// The bar repaints at once on every move, so the copy run sends only moves
// that change this.
int FilledBarPixels(uint16_t high, int position, int widthPixels);

// Sections counted for the section bar's range on the copy page: those whose
// MustInstall or Selected is exactly 1. A MustInstall of 2 is installed but
// not counted.
size_t CountSectionsForBar(const std::vector<SectionEntry>& sections);

// The program group is a bare name below the user's Programs folder when it
// holds no colon; otherwise it is a path already.
bool IsBareGroupName(const std::string& programGroup);

// programGroup without one trailing backslash + "\" + shortcutName + ".lnk".
std::string ShortcutLinkPath(const std::string& programGroup, const std::string& shortcutName);

// A shortcut is made when program groups are on, the entry asks for one and
// something was installed from the entry (a non-last piece installs nothing).
bool ShouldCreateShortcut(int createProgramGroup, const FileEntry& entry, const std::string& installedPath);

// Where the pieces of a split file meet: the run's assembly folder + "\" +
// the file-name part of the destination + ".ToInstall.TMP".
std::string AssemblyFilePath(const std::string& assemblyFolder, const std::string& destination);

// How fetching a piece opens its assembly file.
enum class AssemblyStart {
    Empty,    // the first piece: nothing fetched before becomes part of the file
    Continue, // a later piece: appended behind those fetched before
};

// Empty for the first piece entry, in script order, of those whose
// destinations name the same assembly file (file names compare without regard
// to ASCII case, as Windows compares them); Continue for the others.
AssemblyStart AssemblyStartOf(const std::vector<FileEntry>& files, size_t position);

// How fetching one piece into the assembly file ended.
enum class FetchResult { Fetched, Ignored, Quit };

enum class PieceStep {
    StopRun,          // the user quit at the disk prompt
    WaitForMore,      // not the last piece: nothing to install yet
    InstallAssembly,  // the last piece: install from the assembly file, then delete it
};

PieceStep NextPieceStep(FetchResult fetched, int lastPiece);
