// The welcome page: title and texts from the variables, and the picture at
// pixel (40, 30) of its client area.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "PageTestSupport.h"
#include "resources/resource.h"
#include "windows/Handles_win.h"
#include "wizard/ProcessState_win.h"

using namespace page_test;

namespace {

// 32-bit pixels of a bitmap, top row first.
std::vector<DWORD> PixelsOf(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// What the page's client area shows in a rectangle, copied off the screen.
std::vector<DWORD> ClientPixels(HWND page, int left, int top, int width, int height) {
    WindowDc screen(page);
    MemoryDc copy(CreateCompatibleDC(screen.get()));
    GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        SelectedObject selected(copy.get(), bitmap.get());
        BitBlt(copy.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY);
    }
    return PixelsOf(screen.get(), static_cast<HBITMAP>(bitmap.get()), width, height);
}

class WelcomePage : public PageTest {};

TEST_F(WelcomePage, ShowsTheVariablesAsTitleAndTexts) {
    TheState().Variables.Set("WELCOMESTRING_CAP", "Welcome to Demo");
    TheState().Variables.Set("WELCOMESTRING", "Main text \xB4quoted\xB4");
    TheState().Variables.Set("WELCOMESTRING2", "Second text");
    page_ = OpenPage(PageTemplate::Welcome, Shown::No, Procedure::PageTable);
    ASSERT_TRUE(page_);
    EXPECT_EQ(TextOf(page_), "Welcome to Demo");
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_WELCOME_TEXT)), "Main text \xB4quoted\xB4");
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_WELCOME_TEXT2)), "Second text");
}

TEST_F(WelcomePage, UnsetVariablesGiveEmptyTitleAndTextsNotThePlaceholders) {
    page_ = OpenPage(PageTemplate::Welcome, Shown::No, Procedure::PageTable);
    ASSERT_TRUE(page_);
    EXPECT_EQ(TextOf(page_), "");
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_WELCOME_TEXT)), "");
    EXPECT_EQ(TextOf(GetDlgItem(page_, IDC_WELCOME_TEXT2)), "");
}

TEST_F(WelcomePage, PaintsThePictureAtFortyThirty) {
    GdiObject picture(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WELCOME), IMAGE_BITMAP, 0, 0,
                                 LR_DEFAULTCOLOR | LR_CREATEDIBSECTION));
    ASSERT_TRUE(picture);
    BITMAP size{};
    GetObjectA(picture.get(), sizeof(size), &size);
    ASSERT_EQ(size.bmWidth, 100);
    ASSERT_EQ(size.bmHeight, 200);
    ASSERT_EQ(size.bmBitsPixel, 24);

    page_ = OpenPage(PageTemplate::Welcome, Shown::Yes, Procedure::PageTable);
    ASSERT_TRUE(page_);
    SetWindowPos(page_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(page_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    WindowDc screen(page_);
    const std::vector<DWORD> expected = PixelsOf(screen.get(), static_cast<HBITMAP>(picture.get()), 100, 200);
    EXPECT_EQ(ClientPixels(page_, 40, 30, 100, 200), expected);
    // One pixel further left and up is the page's own background.
    const DWORD background = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
    const std::vector<DWORD> edge = ClientPixels(page_, 39, 29, 1, 1);
    EXPECT_EQ(((edge[0] & 0xFF) << 16) | (edge[0] & 0xFF00) | ((edge[0] >> 16) & 0xFF), background);
}

} // namespace
