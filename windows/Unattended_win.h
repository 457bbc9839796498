// The run as the command line asked for it: its mode, its log and how it
// ended. Every message box and question of setup.exe and TAUninstall.exe goes
// through AskUser, so that a silent run never waits for a click.
#pragma once
#include <windows.h>

#include <string>

#include "run/ExitCodes.h"
#include "windows/RunLog_win.h"

struct UnattendedRun {
    RunSwitches Switches;
    RunEnd End;
    RunLogFile Log;
};

UnattendedRun& TheRun();

inline bool IsSilentRun() { return TheRun().Switches.Mode != RunMode::Interactive; }
inline bool IsVerySilentRun() { return TheRun().Switches.Mode == RunMode::VerySilent; }

// Writes one event to the run log, when there is one.
void LogEvent(const std::string& event);

// Interactive: shows the message box and returns its button (logged when
// there is a log). Silent: shows nothing, logs the text with silentAnswer
// (an IDOK-style button id) and returns it.
int AskUser(HWND owner, const std::string& text, const std::string& caption, UINT type, int silentAnswer);

// An OK box without owner or icon: the form of most notices.
inline void TellUser(const std::string& text, const std::string& caption) {
    AskUser(nullptr, text, caption, MB_OK, IDOK);
}

// The run log's opening lines: the program and its version, the command
// line, the Windows version and whether the process is elevated.
void LogRunStart(const char* program);

// Opens the log the switches ask for. false only when an explicit /LOG=file
// cannot be written; a default log that cannot be made is left out.
bool OpenRunLog();

// A file the run was to install that is not there and waits for no restart:
// logged with the reason; a silent run then ends as failed.
void NoteFileNotInstalled(const std::string& path, const std::string& reason);

// The uninstall log could not be made or written whole: a silent run then
// ends as failed, since the installation cannot be removed completely.
void NoteNoUninstallLog(const std::string& reason);

// Logs the end of the run and returns the exit code.
int EndRun(int exitCode);
