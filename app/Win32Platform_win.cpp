#include "app/Win32Platform_win.h"

#include "pages/PageTable_win.h"
#include "script/Commands.h"
#include "windows/FindFiles_win.h"
#include "windows/ProcessState_win.h"

void ShowSyntaxErrorMessage() {
    MessageBoxA(nullptr,
                "Syntax error in 'SetupScript.INI': Function is not defined (possibly wrong parameter count?)\n"
                "Setup cannot be continued.",
                "Fatal error", MB_OK | MB_ICONERROR);
}

void ShowValueBoundMessage(const std::string& statementName, int line) {
    MessageBoxA(nullptr, ValueBoundMessage(statementName, line).c_str(), "Fatal error", MB_OK | MB_ICONERROR);
}

void Win32Platform::ShowSyntaxError() { ShowSyntaxErrorMessage(); }

void Win32Platform::ShowMessageNow(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

void Win32Platform::RepaintBackground() {
    RedrawWindow(AsHwnd(TheState().MainWindow), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

int Win32Platform::RunPage(PageTemplate page) {
    const INT_PTR result = DialogBoxParamA(TheInstance(), MAKEINTRESOURCEA(static_cast<int>(page)),
                                           AsHwnd(TheState().MainWindow), PageProcedureOf(page), 0);
    return static_cast<int>(result);
}

void Win32Platform::EnumerateFiles(const std::string& pattern,
                                   const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    ForEachMatchingFile(pattern, visit);
}
