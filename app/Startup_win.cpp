#include "app/Startup_win.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/Win32Platform_win.h"
#include "app/WininitCheck_win.h"
#include "install/AssemblyFolder_win.h"
#include "pages/PageHook_win.h"
#include "rollback/Recovery_win.h"
#include "script/Commands.h"
#include "windows/AnsiCharClass_win.h"
#include "windows/ComPtr_win.h"
#include "windows/Platform_win.h"
#include "windows/ProcessState_win.h"
#include "windows/ProgramFilesDir_win.h"
#include "windows/SetupWindow_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

namespace {

constexpr UINT_PTR kNextButtonTimerId = 1;
constexpr UINT kNextButtonTimerPeriod = 50;
constexpr DWORD kSplashPause = 1250;

void ShowAndPaint(HWND window) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

void SetStartupVariables(SetupState& state) {
    const std::string current = CurrentDirectory();
    state.Variables.SetLiteral("SP", current);
    state.Variables.SetLiteral("SETUPFILE", current + "\\SetupScript.ini");
    state.Variables.SetLiteral("WINPATH", WindowsDirectory());
    state.Variables.SetLiteral("SYSPATH", SystemDirectory());
}

bool InitCommonControlsOrExplain() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;
    static const auto initControls =
        SystemFunction<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
    if (initControls && initControls(&controls) == TRUE)
        return true;
    MessageBoxA(nullptr, "InitCommonControlsEx failed. ComCtl32.dll is not properly installed. Setup will be closed now.",
                "Common controls not available", MB_OK | MB_ICONERROR);
    return false;
}

// Runs the statements in order. Returns the exit code for an early end, or
// ExitNormal when the run goes on to shutdown.
int RunStatements(SetupState& state) {
    Win32Platform platform;
    for (int index = 0; index < state.Script.StatementCount(); ++index) {
        ScriptStatement statement;
        if (state.Script.GetStatement(index, statement) != 0) {
            ShowSyntaxErrorMessage();
            return ExitSyntaxError;
        }
        const StatementResult result = ExecuteStatement(state, statement, platform);
        if (result == StatementResult::SyntaxError)
            return ExitSyntaxError;
        if (result == StatementResult::EndRun) {
            PostQuitMessage(9);
            break;
        }
    }
    return ExitNormal;
}

void DrainMessages() {
    PostQuitMessage(0);
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (got == -1)
        MessageBoxA(nullptr, "Fatal application error! Setup cannot be continued!", "Fatal error",
                    MB_OK | MB_ICONERROR);
}

} // namespace

int RunSetup(HINSTANCE instance) {
    const RunAssemblyFolderScope assemblyFolder;
    RecoverInterruptedRuns();
    SetupState& state = TheState();
    state.IsNT = PlatformId() == VER_PLATFORM_WIN32_NT ? 1 : 0;
    if (!state.IsNT && !CheckWininit())
        return ExitNormal;
    state.Instance = instance;
    state.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    state.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    const ComApartment com;

    HWND splash = CreateSetupWindow(nullptr, SplashClassName, nullptr, WS_POPUP | WS_BORDER | WS_SYSMENU,
                                    state.ScreenWidth / 2 - 200, state.ScreenHeight / 2 - 100, 400, 200);
    state.SplashWindow = splash;
    ShowAndPaint(splash);

    SetStartupVariables(state);
    if (!ReadProgramFilesDir(state.ProgramFilesPath))
        return ExitNoProgramFilesDir;
    state.ProgramFilesPath += "\\";
    state.Variables.SetLiteral("DP", state.ProgramFilesPath);

    if (state.Script.Read(state.Variables.Get("SETUPFILE"), IsCharAlphaNumericAnsi) < 0) {
        MessageBoxA(nullptr, "Could not open 'SetupScript.INI' in setup directory. Setup cannot be continued.",
                    "Fatal error", MB_OK | MB_ICONERROR);
        return ExitNoScript;
    }
    if (!InitCommonControlsOrExplain())
        return ExitNoCommonControls;
    Sleep(kSplashPause);

    HWND main = CreateSetupWindow("Setup", MainClassName, nullptr, WS_POPUP, 0, 0, state.ScreenWidth,
                                  state.ScreenHeight);
    state.MainWindow = main;
    ShowAndPaint(main);
    DestroyWindow(splash);
    const UINT_PTR timer = SetTimer(main, kNextButtonTimerId, kNextButtonTimerPeriod, NextButtonTimer);

    const int early = RunStatements(state);
    if (early != ExitNormal)
        return early;

    DrainMessages();
    KillTimer(main, timer);
    UnregisterClassA(SplashClassName, instance);
    UnregisterClassA(MainClassName, instance);
    return ExitNormal;
}
