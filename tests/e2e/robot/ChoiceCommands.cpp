// Commands for the choice pages: the folder tree of the shell's folder
// browser, the free space of a drive and the path of a special folder as the
// system reports them, to compare with what the pages show and store.
#include "tests/e2e/robot/RobotCommands.h"

#include <shlobj.h>

#include "tests/e2e/robot/TreeView.h"

bool TreeCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND tree = RequireControl(session, command, error);
    std::vector<TreeItem> items;
    if (!tree || !ReadTreeView(tree, items, error))
        return false;
    for (const TreeItem& item : items) {
        Report("item level=" + std::to_string(item.Level) + " selected=" + (item.Selected ? "1" : "0") + " " +
               QuoteText(item.Text));
    }
    return true;
}

bool TreeSelectCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND tree = RequireControl(session, command, error);
    return tree && SelectTreePath(tree, command.Words, session.TimeoutMs, error);
}

bool FreeSpaceCommand(Session&, const RobotCommand& command, std::string& error) {
    if (command.Words.empty()) {
        error = "name the drive root";
        return false;
    }
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!GetDiskFreeSpaceExA(command.Words[0].c_str(), &available, &total, &totalFree)) {
        error = "GetDiskFreeSpaceExA failed, error " + std::to_string(GetLastError());
        return false;
    }
    Report("free root=" + QuoteText(command.Words[0]) + " bytes=" + std::to_string(available.QuadPart) +
           " kb=" + std::to_string(available.QuadPart / 1024));
    return true;
}

bool SpecialFolderCommand(Session&, const RobotCommand& command, std::string& error) {
    long folder = 0;
    if (!NumberWord(command, 0, folder, error))
        return false;
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, static_cast<int>(folder), FALSE)) {
        error = "no special folder " + std::to_string(folder);
        return false;
    }
    Report("folder csidl=" + std::to_string(folder) + " path=" + QuoteText(path));
    return true;
}
