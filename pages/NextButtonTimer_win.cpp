#include "wizard/ProcessState_win.h"
#include "pages/NextRules.h"
#include "pages/PageHook_win.h"
#include "resources/resource.h"

namespace {

class WindowStateReader : public ControlStateReader {
public:
    int CheckState(WindowHandle control) const override {
        return static_cast<int>(SendMessageA(AsHwnd(control), BM_GETCHECK, 0, 0));
    }
    std::string Text(WindowHandle control) const override {
        char text[kRuleTextLimit + 1];
        const int length = GetWindowTextA(AsHwnd(control), text, sizeof(text));
        return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
    }
};

} // namespace

VOID CALLBACK NextButtonTimer(HWND, UINT, UINT_PTR, DWORD) {
    SetupState& state = TheState();
    // A closed page (its handle no longer valid) and the copy page, which
    // has no Next, have no IDC_NEXT.
    HWND next = GetDlgItem(AsHwnd(state.CurrentPage), IDC_NEXT);
    if (!next)
        return;
    // The rules are decided in one go and the button gets the outcome once;
    // redrawing is off meanwhile and the button is drawn once at the end, so
    // that it does not flicker.
    SendMessageA(next, WM_SETREDRAW, FALSE, 0);
    EnableWindow(next, NextButtonEnabled(state, WindowStateReader()) ? TRUE : FALSE);
    SendMessageA(next, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(next, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
