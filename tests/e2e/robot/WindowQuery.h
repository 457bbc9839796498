// Finding and describing windows of other processes under the same Wine
// prefix: top-level windows by class and title, child controls by id or text.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/robot/CommandLine.h"

// Which top-level windows a command means: class= and title= (exact), pid=.
struct WindowFilter {
    bool HasClass = false;
    std::string ClassName;
    bool HasTitle = false;
    std::string Title;
    DWORD ProcessId = 0; // 0: any process
};

WindowFilter FilterFrom(const RobotCommand& command, DWORD defaultProcessId);

std::vector<HWND> VisibleTopLevelWindows();
HWND FindTopLevel(const WindowFilter& filter);

std::string ClassOf(HWND window);
// The title of a top-level window as the system keeps it; asks nothing of the
// window's thread, which may be busy (the splash stands during a Sleep).
std::string TitleOf(HWND window);
// The text of a control through WM_GETTEXT, which Wine carries across
// processes; edit fields keep their current text only there.
std::string TextOf(HWND window);
DWORD ProcessOf(HWND window);
// BM_GETCHECK of a button (0 unchecked, 1 checked, 2 indeterminate); 0 for other classes.
int CheckStateOf(HWND control);

// Every descendant control, in the order EnumChildWindows gives.
std::vector<HWND> ChildControls(HWND parent);
// The control named by id= (decimal or 0x hex) or text= (exact, or equal once
// the '&' mnemonic markers are removed). Null when none matches.
HWND FindControl(HWND parent, const RobotCommand& command, std::string& error);

// A control text as shown: "&&" is a literal '&', a single '&' marks the mnemonic.
std::string WithoutMnemonics(const std::string& text);

std::string DescribeWindow(HWND window);
std::string DescribeControl(HWND control);
