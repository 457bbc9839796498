#include "windows/RunStart_win.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

std::optional<int> BeginRun(SwitchSet set, const char* programName) {
    std::vector<std::string> arguments;
    for (int index = 1; index < __argc; ++index)
        arguments.emplace_back(__argv[index]);
    const SwitchReading reading = ReadSwitches(arguments, set);
    UnattendedRun& run = TheRun();
    run.Switches = reading.Switches;
    // A relative name means the folder the command was started in, whatever
    // folder the run works in later; the log names the file in full.
    if (run.Switches.Log == LogTarget::File)
        run.Switches.LogFile = FullPathOf(run.Switches.LogFile);
    // Checked before anything changes: an administrator who named a log
    // wants it, or nothing done.
    if (!OpenRunLog()) {
        TellUser("The log file " + run.Switches.LogFile + " cannot be written. Nothing has been changed.",
                 programName);
        return ExitLogNotWritable;
    }
    LogRunStart(programName);
    if (!reading.Accepted()) {
        TellUser("Unknown command-line argument: " + reading.Refused + "\n\nNothing has been changed.\n\n" +
                     UsageText(set),
                 programName);
        return EndRun(ExitBadCommandLine);
    }
    if (run.Switches.Help) {
        // Asked for explicitly: shown in every mode.
        MessageBoxA(nullptr, UsageText(set).c_str(), programName, MB_OK | MB_ICONINFORMATION);
        return EndRun(ExitNormal);
    }
    return std::nullopt;
}
