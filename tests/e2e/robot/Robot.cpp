#include "tests/e2e/robot/Robot.h"

#include "tests/e2e/robot/RobotCommands.h"

namespace {

struct NamedCommand {
    const char* name;
    CommandHandler handler;
};

const NamedCommand kCommands[] = {
    {"timeout", SetTimeoutCommand},
    {"wait-process", WaitProcessCommand},
    {"wait-window", WaitWindowCommand},
    {"wait-gone", WaitGoneCommand},
    {"windows", ListWindowsCommand},
    {"wait-exit", WaitExitCommand},
    {"terminate", TerminateCommand},
    {"wait-file", WaitFileCommand},
    {"absent-until-exit", AbsentUntilExitCommand},
    {"children", ListChildrenCommand},
    {"text", PrintTextCommand},
    {"expect-text", ExpectTextCommand},
    {"expect-state", ExpectStateCommand},
    {"click", ClickCommand},
    {"check", CheckCommand},
    {"set-text", SetTextCommand},
    {"keys", KeysCommand},
    {"type", TypeCommand},
    {"listview", ListViewCommand},
    {"listview-check", ListViewCheckCommand},
    {"pixel", PixelCommand},
    {"expect-pixel", ExpectPixelCommand},
    {"gradient", GradientCommand},
    {"short-path", ShortPathCommand},
    {"screenshot", ScreenshotCommand},
    {"walk", WalkCommand},
    {"client-rect", ClientRectCommand},
    {"mouse-click", MouseClickCommand},
    {"set-enabled", SetEnabledCommand},
    {"listview-click", ListViewClickCommand},
    {"expect-row", ExpectRowCommand},
    {"tree", TreeCommand},
    {"tree-select", TreeSelectCommand},
    {"free-space", FreeSpaceCommand},
    {"special-folder", SpecialFolderCommand},
    {"move-file", MoveFileCommand},
    {"hold-file", HoldFileCommand},
    {"load-library", LoadLibraryCommand},
    {"restart-move", RestartMoveCommand},
    {"move-window", MoveWindowCommand},
};

CommandHandler HandlerOf(const std::string& name) {
    for (const NamedCommand& command : kCommands) {
        if (name == command.name)
            return command.handler;
    }
    return nullptr;
}

} // namespace

int RunRobotScript(const std::vector<std::string>& lines) {
    Session session;
    int done = 0;
    for (size_t number = 1; number <= lines.size(); ++number) {
        RobotCommand command;
        std::string error;
        if (!ParseCommandLine(lines[number - 1], command, error)) {
            Report("error line=" + std::to_string(number) + " " + QuoteText(error));
            return 2;
        }
        if (command.Name.empty())
            continue;
        const CommandHandler handler = HandlerOf(command.Name);
        if (!handler) {
            Report("error line=" + std::to_string(number) + " unknown command " + QuoteText(command.Name));
            return 2;
        }
        if (!handler(session, command, error)) {
            Report("fail line=" + std::to_string(number) + " " + command.Name + " " + QuoteText(error));
            return 1;
        }
        Report("ok line=" + std::to_string(number) + " " + command.Name);
        ++done;
    }
    Report("done commands=" + std::to_string(done));
    return 0;
}
