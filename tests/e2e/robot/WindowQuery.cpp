#include "tests/e2e/robot/WindowQuery.h"

#include <cstdio>

namespace {

constexpr UINT kMessageTimeout = 2000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool Matches(HWND window, const WindowFilter& filter) {
    if (filter.ProcessId != 0 && ProcessOf(window) != filter.ProcessId)
        return false;
    if (filter.HasClass && ClassOf(window) != filter.ClassName)
        return false;
    return !filter.HasTitle || TitleOf(window) == filter.Title;
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", value);
    return text;
}

} // namespace

std::string WithoutMnemonics(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

WindowFilter FilterFrom(const RobotCommand& command, DWORD defaultProcessId) {
    WindowFilter filter;
    filter.HasClass = command.Has("class");
    filter.ClassName = command.Option("class");
    filter.HasTitle = command.Has("title");
    filter.Title = command.Option("title");
    long pid = 0;
    filter.ProcessId = ParseNumber(command.Option("pid"), pid) ? static_cast<DWORD>(pid) : defaultProcessId;
    return filter;
}

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> visible;
    for (HWND window : all) {
        if (IsWindowVisible(window))
            visible.push_back(window);
    }
    return visible;
}

HWND FindTopLevel(const WindowFilter& filter) {
    for (HWND window : VisibleTopLevelWindows()) {
        if (Matches(window, filter))
            return window;
    }
    return nullptr;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string TitleOf(HWND window) {
    char title[512] = "";
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeout, &length))
        return std::string();
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeout, &copied))
        return std::string();
    return std::string(buffer.data(), copied < buffer.size() ? copied : length);
}

int CheckStateOf(HWND control) {
    if (ClassOf(control) != "Button")
        return 0;
    DWORD_PTR state = 0;
    SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeout, &state);
    return static_cast<int>(state);
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> ChildControls(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindControl(HWND parent, const RobotCommand& command, std::string& error) {
    if (command.Has("id")) {
        long id = 0;
        if (!ParseNumber(command.Option("id"), id)) {
            error = "id is not a number";
            return nullptr;
        }
        for (HWND child : ChildControls(parent)) {
            if (static_cast<long>(static_cast<WORD>(GetDlgCtrlID(child))) == id)
                return child;
        }
        error = "no control with id " + command.Option("id");
        return nullptr;
    }
    if (command.Has("text")) {
        const std::string wanted = command.Option("text");
        for (HWND child : ChildControls(parent)) {
            const std::string text = TextOf(child);
            if (text == wanted || WithoutMnemonics(text) == wanted)
                return child;
        }
        error = "no control with text " + QuoteText(wanted);
        return nullptr;
    }
    error = "name the control with id= or text=";
    return nullptr;
}

std::string DescribeWindow(HWND window) {
    return "hwnd=" + Hex(reinterpret_cast<ULONG_PTR>(window)) + " class=" + QuoteText(ClassOf(window)) +
           " title=" + QuoteText(TitleOf(window)) + " pid=" + std::to_string(ProcessOf(window));
}

std::string DescribeControl(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return "id=" + std::to_string(static_cast<WORD>(GetDlgCtrlID(control))) +
           " class=" + QuoteText(ClassOf(control)) +
           " style=" + Hex(static_cast<unsigned long>(GetWindowLongA(control, GWL_STYLE))) +
           " exstyle=" + Hex(static_cast<unsigned long>(GetWindowLongA(control, GWL_EXSTYLE))) +
           " visible=" + (IsWindowVisible(control) ? "1" : "0") +
           " enabled=" + (IsWindowEnabled(control) ? "1" : "0") +
           " checked=" + std::to_string(CheckStateOf(control)) +
           " rect=" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) +
           " text=" + QuoteText(TextOf(control));
}
