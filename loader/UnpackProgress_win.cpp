#include "loader/UnpackProgress_win.h"

#include "loader/LoaderTexts.h"

namespace {

const char kClassName[] = "TARVANE_BUNDLE_PROGRESS";
constexpr DWORD kDelayMs = 500;
constexpr int kWidth = 380, kHeight = 110;

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        RECT bar = {16, 42, client.right - 16, 62};
        FrameRect(dc, &bar, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&bar, -2, -2);
        const LONG_PTR permille = GetWindowLongPtrA(window, GWLP_USERDATA);
        bar.right = bar.left + static_cast<LONG>((bar.right - bar.left) * permille / 1000);
        FillRect(dc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_CLOSE)
        return 0; // the unpacking cannot be interrupted halfway
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

UnpackProgress::UnpackProgress(HINSTANCE instance, bool allowed)
    : instance_(instance), allowed_(allowed), start_(GetTickCount()) {}

void UnpackProgress::Stage(const char* text, uint64_t total) {
    text_ = text;
    total_ = total ? total : 1;
    shownPermille_ = -1;
    if (label_)
        SetWindowTextA(label_, text);
}

UnpackProgress::~UnpackProgress() {
    if (window_) {
        DestroyWindow(window_);
        UnregisterClassA(kClassName, instance_);
    }
}

void UnpackProgress::Update(uint64_t done) {
    if (!window_) {
        if (!allowed_ || GetTickCount() - start_ < kDelayMs)
            return;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ProgressProc;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursor(nullptr, IDC_WAIT);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
        window_ = CreateWindowExA(0, kClassName, kLoaderCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, kWidth,
                                  kHeight, nullptr, nullptr, instance_, nullptr);
        if (!window_) {
            allowed_ = false;
            return;
        }
        label_ = CreateWindowExA(0, "STATIC", text_, WS_CHILD | WS_VISIBLE, 16, 14, kWidth - 40, 20, window_,
                                 nullptr, instance_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
    }
    const int permille = static_cast<int>(done >= total_ ? 1000 : done * 1000 / total_);
    if (permille != shownPermille_) {
        shownPermille_ = permille;
        SetWindowLongPtrA(window_, GWLP_USERDATA, permille);
        InvalidateRect(window_, nullptr, TRUE);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
