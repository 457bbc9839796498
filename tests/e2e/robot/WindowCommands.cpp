// Commands about processes and top-level windows.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/Processes.h"
#include "tests/e2e/robot/WindowQuery.h"

bool SetTimeoutCommand(Session& session, const RobotCommand& command, std::string& error) {
    long milliseconds = 0;
    if (!NumberWord(command, 0, milliseconds, error))
        return false;
    session.TimeoutMs = static_cast<DWORD>(milliseconds);
    return true;
}

bool WaitProcessCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the executable";
        return false;
    }
    const std::string name = command.Words[0];
    DWORD pid = 0;
    if (!PollUntil(session.TimeoutMs, [&] { return (pid = FindProcessByName(name)) != 0; })) {
        error = "no process " + name;
        return false;
    }
    session.ProcessId = pid;
    Report("process name=" + QuoteText(name) + " pid=" + std::to_string(pid));
    return true;
}

bool WaitWindowCommand(Session& session, const RobotCommand& command, std::string& error) {
    const WindowFilter filter = FilterFrom(command, session.ProcessId);
    HWND found = nullptr;
    if (!PollUntil(session.TimeoutMs, [&] { return (found = FindTopLevel(filter)) != nullptr; })) {
        error = "no window class=" + QuoteText(filter.ClassName) + " title=" + QuoteText(filter.Title);
        return false;
    }
    session.Window = found;
    Report("window " + DescribeWindow(found));
    return true;
}

bool WaitGoneCommand(Session& session, const RobotCommand&, std::string& error) {
    if (!RequireWindow(session, error))
        return false;
    const HWND window = session.Window;
    if (!PollUntil(session.TimeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); })) {
        error = "window still there: " + DescribeWindow(window);
        return false;
    }
    session.Window = nullptr;
    return true;
}

bool ListWindowsCommand(Session& session, const RobotCommand& command, std::string&) {
    const WindowFilter filter = FilterFrom(command, session.ProcessId);
    for (HWND window : VisibleTopLevelWindows()) {
        if (filter.ProcessId == 0 || ProcessOf(window) == filter.ProcessId)
            Report("window " + DescribeWindow(window));
    }
    return true;
}

namespace {
bool RequireProcess(const Session& session, std::string& error) {
    if (session.ProcessId == 0)
        error = "no process (wait-process first)";
    return session.ProcessId != 0;
}
}

bool WaitExitCommand(Session& session, const RobotCommand&, std::string& error) {
    if (!RequireProcess(session, error))
        return false;
    if (!PollUntil(session.TimeoutMs, [&] { return !ProcessIsRunning(session.ProcessId); })) {
        error = "process " + std::to_string(session.ProcessId) + " still running";
        return false;
    }
    return true;
}

// Ends the process at once, as a kill or a power cut would: none of its
// clean-up runs.
bool TerminateCommand(Session& session, const RobotCommand&, std::string& error) {
    if (!RequireProcess(session, error))
        return false;
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, session.ProcessId);
    const bool ended = process && TerminateProcess(process, 1);
    if (process)
        CloseHandle(process);
    if (!ended)
        error = "TerminateProcess failed, error " + std::to_string(GetLastError());
    return ended;
}

bool AbsentUntilExitCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireProcess(session, error))
        return false;
    const WindowFilter filter = FilterFrom(command, session.ProcessId);
    HWND unwanted = nullptr;
    const bool ended = PollUntil(session.TimeoutMs, [&] {
        unwanted = FindTopLevel(filter);
        return unwanted != nullptr || !ProcessIsRunning(session.ProcessId);
    });
    if (unwanted) {
        error = "unexpected window " + DescribeWindow(unwanted);
        return false;
    }
    if (!ended) {
        error = "process " + std::to_string(session.ProcessId) + " still running";
        return false;
    }
    return true;
}
