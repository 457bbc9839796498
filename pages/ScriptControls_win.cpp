#include "pages/ScriptControls_win.h"

#include "pages/ControlCommands.h"
#include "pages/ControlTypes.h"
#include "wizard/ProcessState_win.h"
#include "windows/Unattended_win.h"

void CreateScriptControls(HWND page, const std::string& pageName) {
    SetupState& state = TheState();
    for (DynamicControl& control : state.Controls) {
        if (control.PageName != pageName || control.Window)
            continue;
        const ControlWindowKind kind = ControlWindowKindOf(control.Type);
        HWND window = CreateWindowExA(kind.ExStyle, kind.ClassName.c_str(), control.Text.c_str(), kind.Style,
                                      control.Left, control.Top, control.Right - control.Left,
                                      control.Bottom - control.Top, page, nullptr, TheInstance(), nullptr);
        control.Window = window;
        if (!window)
            continue;
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(state.DialogFont), TRUE);
        if (NamedByCheckButton(state.PageCommands, control.Name))
            SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void DestroyScriptControls(const std::string& pageName) {
    for (DynamicControl& control : TheState().Controls) {
        if (control.PageName != pageName || !control.Window)
            continue;
        DestroyWindow(AsHwnd(control.Window));
        control.Window = nullptr;
    }
}

void ShowCommandMessages(HWND source, int notification) {
    // Decided before the first box opens: the boxes have no owner, so the
    // page stays usable meanwhile.
    for (const PageMessage& message : MessagesForNotification(TheState(), source, notification))
        TellUser(message.Text, message.Caption);
}
