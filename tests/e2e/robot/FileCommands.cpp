// Commands that change files while the program runs, as a user would: a disk
// taken out or inserted (a file moved away or into place), and a file that
// another program keeps open or loaded, so that it cannot be replaced.
#include "tests/e2e/robot/RobotCommands.h"

#include <vector>

#include "tests/e2e/robot/Polling.h"
#include "windows/Handles_win.h"

namespace {
// Files that hold-file keeps open and libraries that load-library keeps
// loaded, until the robot ends.
std::vector<FileHandle>& HeldFiles() {
    static std::vector<FileHandle> held;
    return held;
}
std::vector<Library>& HeldLibraries() {
    static std::vector<Library> held;
    return held;
}
}

bool MoveFileCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.size() < 2) {
        error = "usage: move-file FROM TO";
        return false;
    }
    if (!MoveFileA(command.Words[0].c_str(), command.Words[1].c_str())) {
        error = "MoveFileA failed, error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

bool WaitFileCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "usage: wait-file PATH";
        return false;
    }
    const std::string& path = command.Words[0];
    // A search, so that a name with wildcards waits for any match.
    const auto found = [&] {
        WIN32_FIND_DATAA data;
        return static_cast<bool>(FindHandle(FindFirstFileA(path.c_str(), &data)));
    };
    if (!PollUntil(session.TimeoutMs, found)) {
        error = path + " did not appear";
        return false;
    }
    return true;
}

bool HoldFileCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the file";
        return false;
    }
    // No sharing at all: nobody else may read, write, delete or rename it.
    FileHandle file(CreateFileA(command.Words[0].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = "cannot open, error " + std::to_string(GetLastError());
        return false;
    }
    HeldFiles().push_back(std::move(file));
    Report("held file=" + QuoteText(command.Words[0]));
    return true;
}

bool RestartMoveCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.size() != 2) {
        error = "name the file and the file it replaces";
        return false;
    }
    // Another program's replacement at the restart, asked for as any
    // program would.
    if (!MoveFileExA(command.Words[0].c_str(), command.Words[1].c_str(),
                     MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING)) {
        error = "cannot schedule, error " + std::to_string(GetLastError());
        return false;
    }
    Report("restart move from=" + QuoteText(command.Words[0]) + " to=" + QuoteText(command.Words[1]));
    return true;
}

bool LoadLibraryCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the library";
        return false;
    }
    // A loaded library is mapped: its file cannot be deleted or replaced.
    Library library(LoadLibraryA(command.Words[0].c_str()));
    if (!library) {
        error = "cannot load, error " + std::to_string(GetLastError());
        return false;
    }
    HeldLibraries().push_back(std::move(library));
    Report("loaded library=" + QuoteText(command.Words[0]));
    return true;
}
