#include "pages/PageHook_win.h"

#include "pages/ChoiceRules.h"
#include "pages/ScriptControls_win.h"
#include "resources/resource.h"
#include "wizard/ProcessState_win.h"
#include "windows/QuitSetup_win.h"

namespace {

constexpr INT_PTR kResultNext = 0;
constexpr INT_PTR kResultCancelled = -2;

void HandleCommand(HWND page, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDC_NEXT:
        EndDialog(page, kResultNext);
        break;
    case IDC_CANCEL:
        if (QuitSetup(QuitMode::Ask))
            EndDialog(page, kResultCancelled);
        break;
    case 0: // script-defined controls all have id 0
        ShowCommandMessages(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        break;
    default: // IDOK, IDCANCEL (Escape, close box) and the page's own controls
        break;
    }
}

} // namespace

void PageHook(HWND page, UINT message, WPARAM wParam, LPARAM lParam, const char* pageName) {
    SetupState& state = TheState();
    state.CurrentPage = page;
    state.CurrentPageName = pageName;
    switch (message) {
    case WM_SETFONT:
        state.DialogFont = reinterpret_cast<void*>(wParam);
        break;
    case WM_INITDIALOG:
        CreateScriptControls(page, pageName);
        break;
    case WM_DESTROY:
        DestroyScriptControls(pageName);
        break;
    case WM_COMMAND:
        HandleCommand(page, wParam, lParam);
        break;
    default:
        break;
    }
}

void ShowChoicePageTitle(HWND page) {
    VariableTable& variables = TheState().Variables;
    if (const auto title = ChoicePageTitle(variables.Get("CAPTION"), variables.Get("APPNAME")))
        SetWindowTextA(page, title->c_str());
}
