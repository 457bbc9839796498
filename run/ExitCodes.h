// Exit codes of setup.exe, and the one place that turns the end of a run
// into one.
#pragma once
#include "run/SetupSwitches.h"

enum ExitCode : int {
    ExitNormal = 0,
    ExitNoScript = 1,
    ExitSyntaxError = 2,
    ExitNoCommonControls = -5,
    ExitNoProgramFilesDir = -6,
    // The codes that deployment tools read.
    ExitCancelled = 1602,
    ExitFailed = 1603,
    ExitAlreadyRunning = 1618,
    ExitLogNotWritable = 1622,
    ExitNewerInstalled = 1638, // a newer version is installed; no downgrade allowed
    ExitBadCommandLine = 1639,
    ExitRestartNeeded = 3010,
};

// What happened in a run that went through its statements.
struct RunEnd {
    bool Cancelled = false;     // the user quit (Cancel on a page or the copy page)
    bool Failed = false;        // the copy run stopped, or a silent answer was to stop
    bool RestartNeeded = false; // a file waits for the restart
    bool BadCommandLine = false; // found only once the script is known (/SECTIONS)
    bool NewerInstalled = false; // a downgrade the command line does not allow
    bool FileNotInstalled = false; // a file could not be copied and nothing was scheduled for it
    bool NoUninstallLog = false;   // the uninstall log could not be made or written whole
};

// The interactive run keeps its exit code 0 whatever happened; the silent
// modes tell a deployment tool what it needs to know: a run that went to its
// end without a file it was to install, or without the log its removal
// needs, has failed.
ExitCode ExitCodeOfRun(RunMode mode, const RunEnd& end);

// The meaning of an exit code in words, for the log's last line.
const char* ExitCodeMeaning(int code);
