#include "pages/PageProcs_win.h"

#include "pages/ChoiceRules.h"
#include "pages/PageHook_win.h"
#include "resources/resource.h"
#include "script/PageNames.h"
#include "wizard/ProcessState_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/WindowText_win.h"

namespace {

void ApplyChoiceOnNext(HWND page) {
    SetupState& state = TheState();
    if (IsDlgButtonChecked(page, IDC_GROUP_NONE) == BST_CHECKED)
        state.CreateProgramGroup = 0;
    if (IsDlgButtonChecked(page, IDC_GROUP_NEW) == BST_CHECKED) {
        state.CreateProgramGroup = 1;
        const std::string programs = SpecialFolderPath(AsHwnd(state.MainWindow), CSIDL_PROGRAMS);
        state.Variables.SetLiteral("PROGRAMGROUP", NewProgramGroup(programs, DialogItemText(page, IDC_GROUP_NAME)));
    }
    // "Use existing group" keeps what Browse stored, or the value from before.
}

// Returns false when the user cancelled the browser.
bool BrowseExistingGroup(HWND page) {
    SetupState& state = TheState();
    HWND owner = AsHwnd(state.MainWindow);
    const ItemIdList programs(SpecialFolderList(owner, CSIDL_PROGRAMS));
    std::string folder;
    if (!BrowseForFolder(owner, programs.get(), kBrowseTitle, folder))
        return false;
    SetDlgItemTextA(page, IDC_GROUP_FOLDER, folder.c_str());
    state.Variables.SetLiteral("PROGRAMGROUP", folder + "\\");
    return true;
}

} // namespace

INT_PTR CALLBACK ProgramGroupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CheckDlgButton(page, IDC_GROUP_NEW, BST_CHECKED);
        SetDlgItemTextA(page, IDC_GROUP_NAME, TheState().Variables.Get("PROGRAMGROUP").c_str());
    } else if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        HWND browse = GetDlgItem(page, IDC_GROUP_BROWSE);
        if (id == IDC_NEXT)
            ApplyChoiceOnNext(page);
        // Choosing "Use existing group" without a folder opens the browser at once.
        if (id == IDC_GROUP_EXISTING && DialogItemText(page, IDC_GROUP_FOLDER).empty())
            SendMessageA(page, WM_COMMAND, 0, reinterpret_cast<LPARAM>(browse));
        if (reinterpret_cast<HWND>(lParam) == browse && browse && !BrowseExistingGroup(page))
            return 0;
    }
    PageHook(page, message, wParam, lParam, PageNameProgramGroup);
    return 0;
}
