// The one record of a run: everything the script and the pages create.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "script/ScriptReader.h"
#include "script/SetupRecords.h"
#include "script/VariableTable.h"
#include "uninstall/EarlierInstallation.h"
#include "uninstall/UninstallLog.h"

// Windows colour layout: red in bits 0-7, green 8-15, blue 16-23.
using Colour = uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

struct ColourTriple {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

struct PixelPoint {
    int X = 0;
    int Y = 0;
};

// Where the destination DP came from. While it is the script's own, the
// script's statements set it; a folder an administrator names (/DIR), an
// earlier installation's or one the user chose on the page wins over them.
enum class DestinationSource { Script, DirSwitch, EarlierInstallation, DestinationPage };

struct SetupState {
    void* Instance = nullptr;
    int IsNT = 0;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    WindowHandle SplashWindow = nullptr;
    WindowHandle MainWindow = nullptr;
    WindowHandle CurrentPage = nullptr;
    std::string CurrentPageName;
    std::string ProgramFilesPath;
    ScriptReader Script;
    VariableTable Variables;
    std::vector<FileEntry> Files;
    std::vector<SectionEntry> Sections;
    std::vector<DynamicControl> Controls;
    std::vector<ScriptStatement> PageCommands;
    void* DialogFont = nullptr;
    int NextAllowed = 1;
    int CreateProgramGroup = 1;
    DestinationSource DestinationFrom = DestinationSource::Script;
    // The application's earlier installation, looked up when SetAppName names it.
    std::optional<EarlierInstallation> Earlier;
    // SetAppVersion's version text; empty without one (or with one that is no
    // version text).
    std::string AppVersion;
    // The installed and the script's version were compared (and a downgrade
    // answered); asked once per run.
    bool VersionsCompared = false;

    // Appearance of the background window.
    int CaptionSize = 65;
    Colour CaptionColor1 = MakeColour(255, 255, 255);
    Colour CaptionColor2 = MakeColour(0, 0, 0);
    PixelPoint CaptionPos1{30, 30};
    PixelPoint CaptionPos2{40, 40};
    ColourTriple BackgroundFrom{0, 0, 255};
    ColourTriple BackgroundTo{0, 0, 0};
    int RedrawWait = 0;

    // The sections list's own window procedure while the page replaces it.
    void* SectionListPrevProc = nullptr;

    // Copy page and versioned installation.
    int CopyStarted = 0;
    std::string CurrentSourcePath;
    std::string CurrentDestPath;
    int InstallAll = 0;
    int OverwriteAll = 0;
    // The sizes of the files installed, for the uninstall entry's EstimatedSize.
    uint64_t InstalledBytes = 0;
    // This run's folder of split-file assembly files; empty until a piece
    // needs it and again after it has been removed.
    std::string AssemblyFolder;
    // Opened and closed by the copy page; records are written while it runs.
    UninstallLog UninstallLogStream;
    // The code page of the log's records, which the uninstall entry names.
    uint32_t LogCodePage = 0;
};
