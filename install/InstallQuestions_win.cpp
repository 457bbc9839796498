#include "install/InstallQuestions_win.h"

#include <string>

#include "install/VersionInfo_win.h"
#include "resources/resource.h"
#include "windows/ProcessState_win.h"

namespace {

// A file without version information leaves both fields empty.
void ShowLanguageOf(HWND dialog, const std::string& path, int languageField, int codePageField) {
    const auto info = ReadVersionInfo(path);
    if (!info)
        return;
    SetDlgItemTextA(dialog, languageField, info->LanguageName.c_str());
    SetDlgItemTextA(dialog, codePageField, std::to_string(info->CodePage).c_str());
}

INT_PTR CALLBACK LanguageConflictProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    SetupState& state = TheState();
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_CONFLICT_SOURCE_PATH, state.CurrentSourcePath.c_str());
        SetDlgItemTextA(dialog, IDC_CONFLICT_DEST_PATH, state.CurrentDestPath.c_str());
        ShowLanguageOf(dialog, state.CurrentSourcePath, IDC_CONFLICT_SOURCE_LANGUAGE, IDC_CONFLICT_SOURCE_CODEPAGE);
        ShowLanguageOf(dialog, state.CurrentDestPath, IDC_CONFLICT_DEST_LANGUAGE, IDC_CONFLICT_DEST_CODEPAGE);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CONFLICT_YES:
            EndDialog(dialog, static_cast<INT_PTR>(LanguageAnswer::Yes));
            break;
        case IDC_CONFLICT_NO:
            EndDialog(dialog, static_cast<INT_PTR>(LanguageAnswer::No));
            break;
        case IDC_CONFLICT_INSTALL_ALL:
            state.InstallAll = 1;
            EndDialog(dialog, static_cast<INT_PTR>(LanguageAnswer::InstallAll));
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK OverwriteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_OVERWRITE_PATH, TheState().CurrentDestPath.c_str());
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OVERWRITE_YES:
            EndDialog(dialog, static_cast<INT_PTR>(OverwriteAnswer::Yes));
            break;
        case IDC_OVERWRITE_NO:
            EndDialog(dialog, static_cast<INT_PTR>(OverwriteAnswer::No));
            break;
        case IDC_OVERWRITE_ALL:
            TheState().InstallAll = 1;
            EndDialog(dialog, static_cast<INT_PTR>(OverwriteAnswer::OverwriteEveryFile));
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR RunDialog(int templateId, WindowHandle owner, DLGPROC procedure) {
    return DialogBoxParamA(TheInstance(), MAKEINTRESOURCEA(templateId), AsHwnd(owner), procedure, 0);
}

}

LanguageAnswer ShowLanguageConflict() {
    switch (RunDialog(IDD_LANGUAGE_CONFLICT, TheState().MainWindow, LanguageConflictProc)) {
    case static_cast<INT_PTR>(LanguageAnswer::Yes):
        return LanguageAnswer::Yes;
    case static_cast<INT_PTR>(LanguageAnswer::InstallAll):
        return LanguageAnswer::InstallAll;
    default:
        return LanguageAnswer::No;
    }
}

OverwriteAnswer AskOverwrite() {
    switch (RunDialog(IDD_OVERWRITE, TheState().CurrentPage, OverwriteProc)) {
    case static_cast<INT_PTR>(OverwriteAnswer::Yes):
        return OverwriteAnswer::Yes;
    case static_cast<INT_PTR>(OverwriteAnswer::OverwriteEveryFile):
        return OverwriteAnswer::OverwriteEveryFile;
    default:
        return OverwriteAnswer::No;
    }
}
