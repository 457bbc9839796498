#include "wizard/BackgroundPaint_win.h"

#include "wizard/Gradient.h"
#include "windows/Handles_win.h"
#include "wizard/ProcessState_win.h"

namespace {

void FillBands(HDC dc, const SetupState& state) {
    const GradientBands bands = ComputeGradientBands(state.BackgroundFrom, state.BackgroundTo, state.ScreenHeight);
    for (const GradientBand& band : bands) {
        GdiObject brush(CreateSolidBrush(band.Fill));
        RECT rect{0, band.Top, state.ScreenWidth, band.FillBottom};
        FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
    }
}

HFONT CreateCaptionFont(HDC dc, int pointSize) {
    const int height = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, 900, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

void DrawCaption(HDC dc, SetupState& state) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.CaptionColor1);
    const std::string caption = state.Variables.Get("CAPTION");
    const int length = static_cast<int>(caption.size());
    TextOutA(dc, state.CaptionPos1.X, state.CaptionPos1.Y, caption.c_str(), length);
    if (state.CaptionColor1 != state.CaptionColor2) {
        SetTextColor(dc, state.CaptionColor2);
        TextOutA(dc, state.CaptionPos2.X, state.CaptionPos2.Y, caption.c_str(), length);
    }
}

} // namespace

void PaintBackground(HWND window) {
    SetupState& state = TheState();
    {
        PaintScope paint(window);
        // Destroyed in reverse order: memory context, bitmap, font.
        GdiObject font;
        GdiObject bitmap(CreateCompatibleBitmap(paint.dc(), state.ScreenWidth, state.ScreenHeight));
        MemoryDc memory(CreateCompatibleDC(paint.dc()));
        SelectObject(memory.get(), bitmap.get());

        FillBands(memory.get(), state);
        font.reset(CreateCaptionFont(memory.get(), state.CaptionSize));
        {
            SelectedObject selectedFont(memory.get(), font.get());
            DrawCaption(memory.get(), state);
        }
        BitBlt(paint.dc(), 0, 0, state.ScreenWidth, state.ScreenHeight, memory.get(), 0, 0, SRCCOPY);
    }
    if (state.RedrawWait > 0)
        Sleep(static_cast<DWORD>(state.RedrawWait));
}
