// Commands about report-style list views of the current window.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/ListView.h"
#include "tests/e2e/robot/Polling.h"

bool ListViewCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND list = RequireControl(session, command, error);
    if (!list)
        return false;
    std::vector<ListViewRow> rows;
    if (!ReadListView(list, rows, error))
        return false;
    for (size_t index = 0; index < rows.size(); ++index) {
        std::string line = "row index=" + std::to_string(index) + " checked=" +
                           std::to_string(rows[index].Checked) + " selected=" + (rows[index].Selected ? "1" : "0");
        for (const std::string& cell : rows[index].Cells)
            line += " " + QuoteText(cell);
        Report(line);
    }
    return true;
}

bool ListViewCheckCommand(Session& session, const RobotCommand& command, std::string& error) {
    long row = 0;
    long checked = 0;
    if (!NumberWord(command, 0, row, error) || !NumberWord(command, 1, checked, error))
        return false;
    const HWND list = RequireControl(session, command, error);
    if (!list || !SetListViewCheck(list, static_cast<int>(row), checked != 0, error))
        return false;
    std::vector<ListViewRow> rows;
    const bool applied = PollUntil(session.TimeoutMs, [&] {
        return ReadListView(list, rows, error) && static_cast<size_t>(row) < rows.size() &&
               rows[static_cast<size_t>(row)].Checked == (checked != 0 ? 1 : 0);
    });
    if (!applied && error.empty())
        error = "row " + std::to_string(row) + " did not take the new check state";
    return applied;
}
