#include "app/Startup_win.h"

#include <commctrl.h>
#include <objbase.h>

#include <optional>

#include "app/Win32Platform_win.h"
#include "app/RestartNotice_win.h"
#include "app/WininitCheck_win.h"
#include "install/AssemblyFolder_win.h"
#include "pages/PageHook_win.h"
#include "rollback/Recovery_win.h"
#include "script/Commands.h"
#include "text/FileBytes.h"
#include "windows/AnsiCharClass_win.h"
#include "windows/CodePages_win.h"
#include "windows/ComPtr_win.h"
#include "windows/Handles_win.h"
#include "windows/Platform_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/ProgramFilesDir_win.h"
#include "windows/RunStart_win.h"
#include "wizard/SetupWindow_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

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
    AskUser(nullptr, "InitCommonControlsEx failed. ComCtl32.dll is not properly installed. Setup will be closed now.",
            "Common controls not available", MB_OK | MB_ICONERROR, IDOK);
    return false;
}

// Runs the statements in order. Returns the exit code for an early end, or
// ExitNormal when the run goes on to shutdown.
int RunStatements(SetupState& state) {
    Win32Platform platform;
    for (int index = 0; index < state.Script.StatementCount(); ++index) {
        ScriptStatement statement;
        const bool fetched = state.Script.GetStatement(index, statement) == 0;
        LogEvent("Line " + std::to_string(state.Script.LineOf(index)) + ": " +
                 (fetched ? statement.Name : "(cannot be read)"));
        if (!fetched) {
            ShowSyntaxErrorMessage();
            return ExitSyntaxError;
        }
        const StatementResult result = ExecuteStatement(state, statement, platform);
        if (result == StatementResult::SyntaxError)
            return ExitSyntaxError;
        if (result == StatementResult::ValueBound) {
            ShowValueBoundMessage(statement.Name, state.Script.LineOf(index));
            return ExitSyntaxError;
        }
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
        AskUser(nullptr, "Fatal application error! Setup cannot be continued!", "Fatal error", MB_OK | MB_ICONERROR,
                IDOK);
}

// Two installations at once can corrupt each other's files, counts and
// entries. The mutex is the machine's on NT (Global), the session's on 9x.
KernelHandle HoldSetupMutex(bool isNT) {
    KernelHandle mutex(CreateMutexA(nullptr, FALSE, isNT ? "Global\\TarvaneSetupRunning" : "TarvaneSetupRunning"));
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return KernelHandle();
    return mutex;
}

// Reads the script into the process code page. Returns the exit code when
// it cannot be read, before any statement runs.
std::optional<int> ReadScript(SetupState& state) {
    const std::string path = state.Variables.Get("SETUPFILE");
    std::string raw;
    if (ReadWholeFile(path, raw) != FileReadResult::Read) {
        AskUser(nullptr, "Could not open 'SetupScript.INI' in setup directory. Setup cannot be continued.",
                "Fatal error", MB_OK | MB_ICONERROR, IDOK);
        return ExitNoScript;
    }
    const ScriptText text = DecodeScriptText(raw, ProcessIsUtf8(), SystemCodePages());
    LogEvent(std::string("Script encoding: ") + (text.Encoding == ScriptEncoding::Utf8 ? "UTF-8" : "ANSI") +
             ", process code page " + std::to_string(ProcessCodePage()));
    if (text.Problem != ScriptTextProblem::None) {
        const std::string message = ScriptTextMessage(text);
        LogEvent(message);
        AskUser(nullptr, message, "Fatal error", MB_OK | MB_ICONERROR, IDOK);
        return ExitSyntaxError;
    }
    state.Script.ScriptPath = path;
    state.Script.Parse(text.Bytes, IsCharAlphaNumericAnsi);
    state.Script.Encoding = text.Encoding;
    return std::nullopt;
}

} // namespace

int RunSetup(HINSTANCE instance) {
    if (const auto early = BeginRun(SwitchSet::Setup, "Setup"))
        return *early;
    const RunMode mode = TheRun().Switches.Mode;
    const bool hidden = mode == RunMode::VerySilent;
    SetupState& state = TheState();
    state.IsNT = PlatformId() == VER_PLATFORM_WIN32_NT ? 1 : 0;
    const KernelHandle running = HoldSetupMutex(state.IsNT != 0);
    if (!running) {
        TellUser("Another installation is already running on this computer. Let it finish, then start setup again.",
                 "Setup");
        return EndRun(ExitAlreadyRunning);
    }
    const RunAssemblyFolderScope assemblyFolder;
    // Only one setup runs at a time (the mutex above): an open journal here is
    // an earlier run that never ended.
    RecoverInterruptedRuns();
    if (!state.IsNT && !CheckWininit()) {
        TheRun().End.Failed = true;
        return EndRun(ExitCodeOfRun(mode, TheRun().End));
    }
    state.Instance = instance;
    state.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    state.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    const ComApartment com;

    // /VERYSILENT shows no window at all: no splash, and a background that
    // stays hidden while it owns the pages' work.
    HWND splash = nullptr;
    if (!hidden) {
        splash = CreateSetupWindow(nullptr, SplashClassName, nullptr, WS_POPUP | WS_BORDER | WS_SYSMENU,
                                   state.ScreenWidth / 2 - 200, state.ScreenHeight / 2 - 100, 400, 200);
        state.SplashWindow = splash;
        ShowAndPaint(splash);
    }

    SetStartupVariables(state);
    LogEvent("Medium: " + state.Variables.Get("SP") + ", script: " + state.Variables.Get("SETUPFILE"));
    if (!ReadProgramFilesDir(state.ProgramFilesPath))
        return EndRun(ExitNoProgramFilesDir);
    state.ProgramFilesPath += "\\";
    state.Variables.SetLiteral("DP", state.ProgramFilesPath);
    // The folder an administrator names wins over every value the script
    // gives DP, also in a script without a destination page.
    if (const auto& directory = TheRun().Switches.Directory) {
        state.Variables.SetLiteral("DP", *directory);
        state.DestinationFrom = DestinationSource::DirSwitch;
    }

    if (const auto early = ReadScript(state))
        return EndRun(*early);
    if (!InitCommonControlsOrExplain())
        return EndRun(ExitNoCommonControls);
    if (!hidden)
        Sleep(kSplashPause);

    HWND main = CreateSetupWindow("Setup", MainClassName, nullptr, WS_POPUP, 0, 0, state.ScreenWidth,
                                  state.ScreenHeight);
    state.MainWindow = main;
    if (!hidden)
        ShowAndPaint(main);
    if (splash)
        DestroyWindow(splash);
    const UINT_PTR timer = SetTimer(main, kNextButtonTimerId, kNextButtonTimerPeriod, NextButtonTimer);

    const int early = RunStatements(state);
    if (early != ExitNormal)
        return EndRun(early);
    OfferRestart(state.Variables.Get("APPNAME"));

    DrainMessages();
    KillTimer(main, timer);
    UnregisterClassA(SplashClassName, instance);
    UnregisterClassA(MainClassName, instance);
    return EndRun(ExitCodeOfRun(mode, TheRun().End));
}
