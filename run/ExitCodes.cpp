#include "run/ExitCodes.h"

ExitCode ExitCodeOfRun(RunMode mode, const RunEnd& end) {
    if (mode == RunMode::Interactive)
        return ExitNormal;
    if (end.BadCommandLine)
        return ExitBadCommandLine;
    if (end.NewerInstalled)
        return ExitNewerInstalled;
    if (end.Cancelled)
        return ExitCancelled;
    if (end.Failed || end.FileNotInstalled || end.NoUninstallLog)
        return ExitFailed;
    return end.RestartNeeded ? ExitRestartNeeded : ExitNormal;
}

const char* ExitCodeMeaning(int code) {
    switch (code) {
    case ExitNormal: return "success";
    case ExitNoScript: return "the script cannot be opened";
    case ExitSyntaxError: return "script error";
    case ExitNoCommonControls: return "the common controls are not available";
    case ExitNoProgramFilesDir: return "ProgramFilesDir cannot be read";
    case ExitCancelled: return "cancelled";
    case ExitFailed: return "failed";
    case ExitAlreadyRunning: return "another setup is running";
    case ExitLogNotWritable: return "the log cannot be written";
    case ExitNewerInstalled: return "a newer version is installed";
    case ExitBadCommandLine: return "bad command line";
    case ExitRestartNeeded: return "success, restart needed";
    default: return "unknown";
    }
}
