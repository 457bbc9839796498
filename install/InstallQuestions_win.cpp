#include "install/InstallQuestions_win.h"

#include <initializer_list>
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

// A button that ends a question dialog with its answer; some also set
// InstallAll for the rest of the run.
struct AnswerButton {
    int Id;
    INT_PTR Answer;
    bool SetsInstallAll;
};

// WM_COMMAND of a question dialog: ends it when one of its answer buttons
// was clicked. Escape and the close box (IDCANCEL) match none.
INT_PTR EndOnAnswer(HWND dialog, WPARAM wParam, std::initializer_list<AnswerButton> buttons) {
    for (const AnswerButton& button : buttons)
        if (LOWORD(wParam) == button.Id) {
            if (button.SetsInstallAll)
                TheState().InstallAll = 1;
            EndDialog(dialog, button.Answer);
        }
    return TRUE;
}

INT_PTR CALLBACK LanguageConflictProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    const SetupState& state = TheState();
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_CONFLICT_SOURCE_PATH, state.CurrentSourcePath.c_str());
        SetDlgItemTextA(dialog, IDC_CONFLICT_DEST_PATH, state.CurrentDestPath.c_str());
        ShowLanguageOf(dialog, state.CurrentSourcePath, IDC_CONFLICT_SOURCE_LANGUAGE, IDC_CONFLICT_SOURCE_CODEPAGE);
        ShowLanguageOf(dialog, state.CurrentDestPath, IDC_CONFLICT_DEST_LANGUAGE, IDC_CONFLICT_DEST_CODEPAGE);
        return TRUE;
    case WM_COMMAND:
        return EndOnAnswer(dialog, wParam,
                           {{IDC_CONFLICT_YES, static_cast<INT_PTR>(LanguageAnswer::Yes), false},
                            {IDC_CONFLICT_NO, static_cast<INT_PTR>(LanguageAnswer::No), false},
                            {IDC_CONFLICT_INSTALL_ALL, static_cast<INT_PTR>(LanguageAnswer::InstallAll), true}});
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
        return EndOnAnswer(dialog, wParam,
                           {{IDC_OVERWRITE_YES, static_cast<INT_PTR>(OverwriteAnswer::Yes), false},
                            {IDC_OVERWRITE_NO, static_cast<INT_PTR>(OverwriteAnswer::No), false},
                            {IDC_OVERWRITE_ALL, static_cast<INT_PTR>(OverwriteAnswer::OverwriteEveryFile), true}});
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
