// Commands about single rows of a report list view: a real mouse click on a
// row, and waiting for a row's focused, selected and cut marks. The sections
// page replaces the list's own mouse and keyboard handling, so only real
// input shows what a user gets.
#include "tests/e2e/robot/RobotCommands.h"

#include <commctrl.h>

#include <cstdlib>

#include "tests/e2e/robot/Mouse.h"
#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/RemoteMemory.h"

namespace {

// The screen rectangle of the row's first cell.
bool RowRect(HWND list, int row, RECT& rect, std::string& error) {
    RemoteBuffer remote(list, sizeof(RECT));
    RECT request{};
    request.left = LVIR_LABEL;
    if (!remote || !remote.Write(0, &request, sizeof(request)) ||
        !AskControl(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.At(0))) ||
        !remote.Read(0, &rect, sizeof(rect))) {
        error = "row " + std::to_string(row) + " has no rectangle";
        return false;
    }
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

struct RowMarkOption {
    const char* key;
    UINT mark;
};

const RowMarkOption kRowMarks[] = {
    {"focused", LVIS_FOCUSED},
    {"selected", LVIS_SELECTED},
    {"cut", LVIS_CUT},
};

// Two clicks on one spot within the double-click time make a double click,
// which the page leaves to the list's own procedure. A click meant as a
// single one therefore moves off the previous click's spot when it follows
// it that soon.
POINT SingleClickPoint(const RECT& rect) {
    static POINT lastPoint{-1, -1};
    static DWORD lastTime = 0;
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const int slack = GetSystemMetrics(SM_CXDOUBLECLK);
    if (GetTickCount() - lastTime <= GetDoubleClickTime() && std::abs(point.x - lastPoint.x) <= slack &&
        std::abs(point.y - lastPoint.y) <= slack)
        point.x = lastPoint.x + slack + 1 < rect.right ? lastPoint.x + slack + 1 : lastPoint.x - slack - 1;
    lastPoint = point;
    lastTime = GetTickCount();
    return point;
}

std::string DescribeMarks(UINT state) {
    std::string text;
    for (const RowMarkOption& option : kRowMarks)
        text += std::string(" ") + option.key + "=" + ((state & option.mark) ? "1" : "0");
    return text;
}

} // namespace

bool ListViewClickCommand(Session& session, const RobotCommand& command, std::string& error) {
    long row = 0;
    if (!NumberWord(command, 0, row, error))
        return false;
    const HWND list = RequireControl(session, command, error);
    RECT rect{};
    if (!list || !RowRect(list, static_cast<int>(row), rect, error))
        return false;
    const POINT point = SingleClickPoint(rect);
    return ClickScreenPoint(session.Window, point.x, point.y, session.TimeoutMs, error);
}

bool ExpectRowCommand(Session& session, const RobotCommand& command, std::string& error) {
    long row = 0;
    if (!NumberWord(command, 0, row, error))
        return false;
    const HWND list = RequireControl(session, command, error);
    if (!list)
        return false;
    UINT state = 0;
    const bool matched = PollUntil(session.TimeoutMs, [&] {
        state = static_cast<UINT>(AskControl(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                             LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT));
        for (const RowMarkOption& option : kRowMarks) {
            long wanted = 0;
            if (command.Has(option.key) && ParseNumber(command.Option(option.key), wanted) &&
                (wanted != 0) != ((state & option.mark) != 0))
                return false;
        }
        return true;
    });
    if (!matched)
        error = "row " + std::to_string(row) + " has" + DescribeMarks(state);
    return matched;
}
