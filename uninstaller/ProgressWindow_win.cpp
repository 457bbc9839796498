#include "uninstaller/ProgressWindow_win.h"

#include "resources/resource.h"
#include "windows/Unattended_win.h"

namespace {
constexpr DWORD kShowAfterMs = 500;
constexpr int kWidth = 400;
constexpr int kHeight = 110;
constexpr int kMargin = 12;
constexpr int kBarHeight = 16;
const char kClassName[] = "TAUNINSTALL_PROGRESS";

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND Child(HWND parent, const char* text, DWORD style, int id, int top, int width, int height) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, kMargin, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}
}

ProgressWindow::ProgressWindow(std::string caption) : caption_(std::move(caption)), started_(GetTickCount()) {}

ProgressWindow::~ProgressWindow() {
    if (window_)
        DestroyWindow(window_);
}

void ProgressWindow::Create() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_WAIT);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kClassName, caption_.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              left, top, kWidth, kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return;
    RECT client;
    GetClientRect(window_, &client);
    const int width = client.right - 2 * kMargin;
    Child(window_, "", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, IDC_UNINSTALL_FILE, kMargin, width, 16);
    Child(window_, "", SS_ETCHEDFRAME, IDC_UNINSTALL_BAR_FRAME, kMargin + 28, width, kBarHeight);
    Child(window_, "", SS_BLACKRECT, IDC_UNINSTALL_BAR, kMargin + 28, 0, kBarHeight);
}

void ProgressWindow::Show(size_t done, size_t total, const std::string& path) {
    // /VERYSILENT shows nothing at all.
    if (IsVerySilentRun() || (!window_ && GetTickCount() - started_ < kShowAfterMs))
        return;
    if (!window_)
        Create();
    if (!window_)
        return;
    SetDlgItemTextA(window_, IDC_UNINSTALL_FILE, path.c_str());
    RECT frame;
    GetClientRect(GetDlgItem(window_, IDC_UNINSTALL_BAR_FRAME), &frame);
    const int width = total == 0 ? 0 : static_cast<int>(static_cast<double>(frame.right) * done / total);
    SetWindowPos(GetDlgItem(window_, IDC_UNINSTALL_BAR), nullptr, 0, 0, width, kBarHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}
