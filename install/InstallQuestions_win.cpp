#include "install/InstallQuestions_win.h"

#include <string>

#include "install/VersionInfo_win.h"
#include "resources/resource.h"
#include "wizard/ProcessState_win.h"
#include "windows/Unattended_win.h"

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

void ShowLanguageConflictPaths(HWND dialog) {
    const SetupState& state = TheState();
    SetDlgItemTextA(dialog, IDC_CONFLICT_SOURCE_PATH, state.CurrentSourcePath.c_str());
    SetDlgItemTextA(dialog, IDC_CONFLICT_DEST_PATH, state.CurrentDestPath.c_str());
    ShowLanguageOf(dialog, state.CurrentSourcePath, IDC_CONFLICT_SOURCE_LANGUAGE, IDC_CONFLICT_SOURCE_CODEPAGE);
    ShowLanguageOf(dialog, state.CurrentDestPath, IDC_CONFLICT_DEST_LANGUAGE, IDC_CONFLICT_DEST_CODEPAGE);
}

void ShowOverwritePath(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_OVERWRITE_PATH, TheState().CurrentDestPath.c_str());
}

constexpr AnswerButton kLanguageButtons[] = {
    {IDC_CONFLICT_YES, static_cast<INT_PTR>(LanguageAnswer::Yes), false},
    {IDC_CONFLICT_NO, static_cast<INT_PTR>(LanguageAnswer::No), false},
    {IDC_CONFLICT_INSTALL_ALL, static_cast<INT_PTR>(LanguageAnswer::InstallAll), true},
};
constexpr AnswerButton kOverwriteButtons[] = {
    {IDC_OVERWRITE_YES, static_cast<INT_PTR>(OverwriteAnswer::Yes), false},
    {IDC_OVERWRITE_NO, static_cast<INT_PTR>(OverwriteAnswer::No), false},
    {IDC_OVERWRITE_ALL, static_cast<INT_PTR>(OverwriteAnswer::OverwriteEveryFile), true},
};

// A question dialog: Show fills its fields; a click on one of its answer
// buttons ends it. Escape and the close box (IDCANCEL) match none.
template <void (*Show)(HWND), const AnswerButton (&Buttons)[3]>
INT_PTR CALLBACK QuestionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        Show(dialog);
        return TRUE;
    case WM_COMMAND:
        for (const AnswerButton& button : Buttons)
            if (LOWORD(wParam) == button.Id) {
                if (button.SetsInstallAll)
                    TheState().InstallAll = 1;
                EndDialog(dialog, button.Answer);
            }
        return TRUE;
    default:
        return FALSE;
    }
}

// Runs the question dialog modally and converts its end code to the answer;
// a dialog that cannot be shown (or any other code) counts as No.
template <typename Answer, void (*Show)(HWND), const AnswerButton (&Buttons)[3]>
Answer AskQuestion(int templateId, WindowHandle owner) {
    const INT_PTR result = DialogBoxParamA(TheInstance(), MAKEINTRESOURCEA(templateId), AsHwnd(owner),
                                           QuestionProc<Show, Buttons>, 0);
    for (const AnswerButton& button : Buttons)
        if (result == button.Answer)
            return static_cast<Answer>(result);
    return Answer::No;
}

}

// A silent run keeps the existing shared file: another program may need its language.
LanguageAnswer ShowLanguageConflict() {
    if (IsSilentRun()) {
        LogEvent("Question: " + TheState().CurrentDestPath + " differs in language or code page from " +
                 TheState().CurrentSourcePath + "; install it anyway? -> No, the existing file is kept (silent answer)");
        return LanguageAnswer::No;
    }
    return AskQuestion<LanguageAnswer, ShowLanguageConflictPaths, kLanguageButtons>(IDD_LANGUAGE_CONFLICT,
                                                                                    TheState().MainWindow);
}

// An upgrade replaces its own files: a silent run overwrites every file.
OverwriteAnswer AskOverwrite() {
    if (IsSilentRun()) {
        LogEvent("Question: " + TheState().CurrentDestPath +
                 " exists; overwrite it? -> Overwrite every file (silent answer)");
        return OverwriteAnswer::OverwriteEveryFile;
    }
    return AskQuestion<OverwriteAnswer, ShowOverwritePath, kOverwriteButtons>(IDD_OVERWRITE, TheState().CurrentPage);
}
