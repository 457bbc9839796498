#include "tests/e2e/robot/Session.h"

#include <cstdio>

#include "tests/e2e/robot/WindowQuery.h"

void Report(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool RequireWindow(const Session& session, std::string& error) {
    if (!session.Window || !IsWindow(session.Window)) {
        error = "no current window (wait-window first)";
        return false;
    }
    return true;
}

HWND RequireControl(const Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireWindow(session, error))
        return nullptr;
    return FindControl(session.Window, command, error);
}

bool NumberWord(const RobotCommand& command, size_t index, long& value, std::string& error) {
    if (index >= command.Words.size() || !ParseNumber(command.Words[index], value)) {
        error = "argument " + std::to_string(index + 1) + " must be a number";
        return false;
    }
    return true;
}
