// robot_target.exe: a small window with the kinds of controls the wizard
// pages use (check box, edit field, a Next button with a rule, a report list
// view with check boxes), so the robot's own commands can be tested before
// the pages exist. When Next is clicked it prints what the user left behind
// and exits with code 0.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

enum ControlId { kAgree = 101, kName = 102, kNext = 103, kList = 104 };
constexpr COLORREF kBackground = RGB(12, 34, 56);

HWND Control(HWND window, int id) { return GetDlgItem(window, id); }

std::string TextOf(HWND control) {
    char text[256] = "";
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

// Next needs the check mark and a non-empty name, like a page rule would.
void UpdateNext(HWND window) {
    const bool agreed = SendMessageA(Control(window, kAgree), BM_GETCHECK, 0, 0) == BST_CHECKED;
    EnableWindow(Control(window, kNext), agreed && !TextOf(Control(window, kName)).empty());
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void AddRow(HWND list, int index, const char* name, const char* size) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(name);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(size);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void CreateControls(HWND window) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    auto make = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    make("BUTTON", "&Agree", BS_AUTOCHECKBOX, 10, 10, 120, 20, kAgree);
    make("EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 10, 40, 200, 22, kName);
    make("BUTTON", "&Next", BS_PUSHBUTTON | WS_DISABLED, 300, 10, 80, 24, kNext);
    HWND list = make(WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, 10, 70, 300, 120, kList);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    AddColumn(list, 0, "Section", 150);
    AddColumn(list, 1, "Size", 100);
    AddRow(list, 0, "Core", "1 KB");
    AddRow(list, 1, "Docs", "2 KB");
    AddRow(list, 2, "Extras", "3 KB");
}

void PrintStateAndQuit(HWND window) {
    std::printf("agree=%d name_hex=", static_cast<int>(SendMessageA(Control(window, kAgree), BM_GETCHECK, 0, 0)));
    for (unsigned char c : TextOf(Control(window, kName)))
        std::printf("%02x", c);
    std::printf(" checked_rows=");
    const HWND list = Control(window, kList);
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        std::printf("%d", ListView_GetCheckState(list, row) ? 1 : 0);
    std::printf("\n");
    std::fflush(stdout);
    DestroyWindow(window);
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kNext && HIWORD(wParam) == BN_CLICKED)
            PrintStateAndQuit(window);
        else if (LOWORD(wParam) == kAgree || (LOWORD(wParam) == kName && HIWORD(wParam) == EN_CHANGE))
            UpdateNext(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY); // LF line ends for the runner
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(kBackground); // lives as long as the process
    windowClass.lpszClassName = "ROBOT_TARGET";
    RegisterClassA(&windowClass);
    // A popup has no frame, so its client area starts exactly at (100, 100).
    CreateWindowExA(0, "ROBOT_TARGET", "Robot target", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                    windowClass.hInstance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
