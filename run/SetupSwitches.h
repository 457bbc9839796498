// The command-line switches of setup.exe and TAUninstall.exe: what an
// administrator asks for an unattended run. Switch names are compared without
// regard to case, start with '/' or '-', and a value follows '='. Quotes may
// stand anywhere in an argument; they only group and are dropped.
#pragma once
#include <optional>
#include <string>
#include <vector>

enum class RunMode { Interactive, Silent, VerySilent };

enum class LogTarget {
    None,
    DefaultName, // a new file in the user's temporary folder
    File,        // the file named, overwritten
};

// Which program reads the switches: the uninstaller takes only the mode and
// the log.
enum class SwitchSet { Setup, Uninstaller };

struct RunSwitches {
    RunMode Mode = RunMode::Interactive;
    LogTarget Log = LogTarget::None;
    std::string LogFile;
    // A full path, ending in a backslash; never a "\\?\" or "\\.\" path
    // nor one with a name ending in a blank or a dot.
    std::optional<std::string> Directory;
    std::optional<std::string> Group;
    bool NoIcons = false;
    bool AllowDowngrade = false;
    std::optional<std::vector<std::string>> Sections;
    bool Help = false;
};

struct SwitchReading {
    // Every switch understood, also when another argument was refused, so
    // that a refusal still reaches the log in a silent mode.
    RunSwitches Switches;
    // The first argument that was refused, as given; empty when none was.
    std::string Refused;
    bool Accepted() const { return Refused.empty(); }
};

// arguments excludes the program's own name.
SwitchReading ReadSwitches(const std::vector<std::string>& arguments, SwitchSet set);

// The arguments with the file of a /LOG= switch made full by fullPathOf;
// every other argument as it was. A program that starts another one in
// another folder passes the log on this way, so that a relative name still
// means the folder the command was started in.
std::vector<std::string> WithFullLogPath(const std::vector<std::string>& arguments,
                                         std::string (*fullPathOf)(const std::string&));

// The text of the /? message box.
std::string UsageText(SwitchSet set);

// A log is written in the silent modes even without /LOG.
LogTarget EffectiveLogTarget(const RunSwitches& switches);
