#include "wizard/SplashPaint_win.h"

#include "windows/Handles_win.h"

namespace {
constexpr char kTitle[] = "Tarvane wizard is initializing";
constexpr char kBanner[] = "Tarvane Setup Wizard 1.0\nScript-driven installation for 32-bit Windows";
}

void PaintSplash(HWND window) {
    PaintScope paint(window);
    HDC dc = paint.dc();
    RECT rect;
    GetClientRect(window, &rect);
    SetBkMode(dc, TRANSPARENT);

    // The title, centred on (200, 100).
    DrawTextA(dc, kTitle, -1, &rect, DT_CALCRECT);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    rect.left = 200 - width / 2;
    rect.top = 100 - height / 2;
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    DrawTextA(dc, kTitle, -1, &rect, 0);

    // The banner, centred on x = 200 with its bottom edge at y = 180.
    GdiObject font(CreateFontA(-MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, 0, TRUE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    SelectedObject selectedFont(dc, font.get());
    rect.left = 0;
    DrawTextA(dc, kBanner, -1, &rect, DT_CALCRECT | DT_CENTER);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    rect.top = 180 - height;
    rect.bottom = 180;
    rect.left = 200 - width / 2;
    rect.right = rect.left + width;
    DrawTextA(dc, kBanner, -1, &rect, DT_CENTER);
}
