#include "app/Win32Platform_win.h"

#include "pages/PageTable_win.h"
#include "pages/SilentPages_win.h"
#include "script/Commands.h"
#include "uninstall/EarlierInstallation_win.h"
#include "windows/FindFiles_win.h"
#include "windows/QuitSetup_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/Unattended_win.h"

void ShowSyntaxErrorMessage() {
    AskUser(nullptr,
            "Syntax error in 'SetupScript.INI': Function is not defined (possibly wrong parameter count?)\n"
            "Setup cannot be continued.",
            "Fatal error", MB_OK | MB_ICONERROR, IDOK);
}

void ShowValueBoundMessage(const std::string& statementName, int line) {
    AskUser(nullptr, ValueBoundMessage(statementName, line), "Fatal error", MB_OK | MB_ICONERROR, IDOK);
}

void Win32Platform::ShowSyntaxError() { ShowSyntaxErrorMessage(); }

void Win32Platform::ShowMessageNow(const std::string& text, const std::string& caption) {
    TellUser(text, caption);
}

void Win32Platform::RepaintBackground() {
    RedrawWindow(AsHwnd(TheState().MainWindow), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

namespace {

int ShowOrPassPage(PageTemplate page) {
    if (IsSilentRun())
        if (const auto passed = PassPageSilently(page))
            return *passed;
    const INT_PTR result = DialogBoxParamA(TheInstance(), MAKEINTRESOURCEA(static_cast<int>(page)),
                                           AsHwnd(TheState().MainWindow), PageProcedureOf(page), 0);
    LogEvent(std::string("Page ") + PageNameOf(page) + " shown, ended with " + std::to_string(result));
    if (result == 0)
        LogPageChoice(page, "");
    return static_cast<int>(result);
}

} // namespace

int Win32Platform::RunPage(PageTemplate page) {
    const int result = ShowOrPassPage(page);
    // A copy run that stopped has been undone: in every mode, no statement
    // after it may act as if the application were installed.
    if (result == 0 && QuitConfirmed()) {
        LogEvent("The installation stopped; no further statement of the script runs");
        return kPageEndsRun;
    }
    return result;
}

void Win32Platform::EnumerateFiles(const std::string& pattern,
                                   const std::function<void(const std::string& name, bool isDirectory)>& visit) {
    ForEachMatchingFile(pattern, visit);
}

EarlierLookup Win32Platform::FindEarlierInstallation(const std::string& appName) {
    return LookUpEarlierInstallation(appName);
}

bool Win32Platform::AcceptDowngrade(const std::string& question) {
    if (!IsSilentRun())
        return AskUser(nullptr, question, "Setup", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO) == IDYES;
    const bool allowed = TheRun().Switches.AllowDowngrade;
    LogEvent(question + (allowed ? " Yes (/ALLOWDOWNGRADE)" : " No (no /ALLOWDOWNGRADE)"));
    TheRun().End.NewerInstalled = !allowed;
    return allowed;
}

void Win32Platform::Note(const std::string& line) { LogEvent(line); }
