// The robot's state between commands and the shape of a command handler.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/robot/CommandLine.h"

struct Session {
    HWND Window = nullptr;   // the window that wait-window found last
    DWORD TimeoutMs = 15000; // the limit of every wait
    DWORD ProcessId = 0;     // the process that wait-process found; filters windows
};

// Carries out one command; on failure returns false and says why in error.
using CommandHandler = bool (*)(Session& session, const RobotCommand& command, std::string& error);

// Prints one result line and flushes it, so a runner sees it at once.
void Report(const std::string& line);

// The current window, or false with an error when wait-window has not run
// or the window is gone.
bool RequireWindow(const Session& session, std::string& error);

// The control of the current window that the command names with id= or text=.
HWND RequireControl(const Session& session, const RobotCommand& command, std::string& error);

// Reads positional word index as a number.
bool NumberWord(const RobotCommand& command, size_t index, long& value, std::string& error);
