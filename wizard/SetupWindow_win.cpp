#include "wizard/SetupWindow_win.h"

#include "wizard/BackgroundPaint_win.h"
#include "wizard/ProcessState_win.h"
#include "wizard/SplashPaint_win.h"

HWND CreateSetupWindow(const char* title, const char* className, HWND parent, DWORD style, int x, int y,
                       int width, int height) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SetupWindowProc;
    windowClass.hInstance = TheInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass); // a second registration fails harmlessly

    return CreateWindowExA(0, className, title, style, x, y, width, height, parent, nullptr, TheInstance(),
                           nullptr);
}

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const SetupState& state = TheState();
    if (window == AsHwnd(state.MainWindow)) {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        else if (message == WM_PAINT)
            PaintBackground(window);
    } else if (window == AsHwnd(state.SplashWindow)) {
        if (message == WM_PAINT)
            PaintSplash(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
