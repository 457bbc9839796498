#include "pages/PageProcs_win.h"

#include "pages/PageHook_win.h"
#include "resources/resource.h"
#include "script/PageNames.h"
#include "windows/Handles_win.h"
#include "wizard/ProcessState_win.h"

namespace {

// The picture keeps its pixel position whatever the dialog font.
constexpr int kPictureLeft = 40;
constexpr int kPictureTop = 30;

void ShowWelcomeTexts(HWND page) {
    VariableTable& variables = TheState().Variables;
    SetWindowTextA(page, variables.Get("WELCOMESTRING_CAP").c_str());
    SetDlgItemTextA(page, IDC_WELCOME_TEXT, variables.Get("WELCOMESTRING").c_str());
    SetDlgItemTextA(page, IDC_WELCOME_TEXT2, variables.Get("WELCOMESTRING2").c_str());
}

// Loaded anew for every paint and deleted afterwards; when it cannot be
// loaded nothing is drawn in its place.
void PaintPicture(HWND page) {
    GdiObject picture(LoadImageA(TheInstance(), MAKEINTRESOURCEA(IDB_WELCOME), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    PaintScope paint(page);
    if (!picture)
        return;
    MemoryDc source(CreateCompatibleDC(paint.dc()));
    SelectedObject selected(source.get(), picture.get());
    BITMAP size{};
    GetObjectA(picture.get(), sizeof(size), &size);
    BitBlt(paint.dc(), kPictureLeft, kPictureTop, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
}

} // namespace

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameWelcome);
    switch (message) {
    case WM_INITDIALOG:
        ShowWelcomeTexts(page);
        break;
    case WM_PAINT:
        PaintPicture(page);
        break;
    default:
        break;
    }
    return 0;
}
