#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include "pages/PageHook_win.h"
#include "pages/PageTable_win.h"
#include "wizard/ProcessState_win.h"

namespace page_test {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x440;
constexpr UINT kStepPeriod = 20;
constexpr int kTicksAfterLastStep = 100;

MessageBoxAnswerer* g_answerer = nullptr;

struct StepRun {
    std::vector<PageStep> steps;
    size_t next = 0;
    int idleTicks = 0;
    bool busy = false;
};
StepRun* g_run = nullptr;

template <PageTemplate Page>
INT_PTR CALLBACK HookOnlyProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameOf(Page));
    return 0;
}

DLGPROC ProcedureOf(PageTemplate page, Procedure procedure) {
    if (procedure == Procedure::PageTable)
        return PageProcedureOf(page);
    switch (page) {
    case PageTemplate::Welcome: return HookOnlyProc<PageTemplate::Welcome>;
    case PageTemplate::Sections: return HookOnlyProc<PageTemplate::Sections>;
    case PageTemplate::Dest: return HookOnlyProc<PageTemplate::Dest>;
    case PageTemplate::Copy: return HookOnlyProc<PageTemplate::Copy>;
    case PageTemplate::ProgramGroup: return HookOnlyProc<PageTemplate::ProgramGroup>;
    }
    return nullptr;
}

bool IsDialog(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof(name));
    return std::string(name) == "#32770";
}

VOID CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = AsHwnd(TheState().CurrentPage);
    if (!g_run || g_run->busy || !IsWindow(page))
        return;
    if (g_run->next < g_run->steps.size()) {
        g_run->busy = true;
        g_run->steps[g_run->next++](page);
        g_run->busy = false;
    } else if (++g_run->idleTicks > kTicksAfterLastStep) {
        EndDialog(page, kPageLeftOpen);
    }
}

}

void ResetSetupState() {
    TheState() = SetupState();
    TheState().Instance = GetModuleHandleA(nullptr);
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers)
    : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())), answers_(std::move(answers)) {
    g_answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    g_answerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_answerer && IsDialog(window) && window != AsHwnd(TheState().CurrentPage)) {
        SeenMessageBox box;
        box.Text = TextOf(GetDlgItem(window, kMessageBoxTextId));
        box.Caption = TextOf(window);
        box.Owner = GetWindow(window, GW_OWNER);
        box.HasOk = GetDlgItem(window, IDOK) != nullptr;
        box.HasYesNo = GetDlgItem(window, IDYES) != nullptr && GetDlgItem(window, IDNO) != nullptr;
        box.HasCancel = GetDlgItem(window, IDCANCEL) != nullptr;
        box.HasIcon = SendDlgItemMessageA(window, kMessageBoxIconId, STM_GETICON, 0, 0) != 0;
        g_answerer->seen_.push_back(box);
        if (g_answerer->seen_.size() > kMaxMessageBoxes) {
            HWND page = AsHwnd(TheState().CurrentPage);
            EnableWindow(page, FALSE);
            EndDialog(page, kPageLeftOpen);
        }
        int answer = IDOK;
        if (!g_answerer->answers_.empty()) {
            answer = g_answerer->answers_.front();
            g_answerer->answers_.erase(g_answerer->answers_.begin());
        }
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR RunPage(PageTemplate page, std::vector<PageStep> steps, Procedure procedure) {
    StepRun run;
    run.steps = std::move(steps);
    g_run = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, kStepPeriod, StepTimer);
    const INT_PTR result = DialogBoxParamA(TheInstance(), MAKEINTRESOURCEA(static_cast<int>(page)), nullptr,
                                           ProcedureOf(page, procedure), 0);
    KillTimer(nullptr, timer);
    g_run = nullptr;
    EXPECT_EQ(run.next, run.steps.size()) << "the page ended before all steps ran";
    return result;
}

HWND OpenPage(PageTemplate page, Shown shown, Procedure procedure) {
    HWND window = CreateDialogParamA(TheInstance(), MAKEINTRESOURCEA(static_cast<int>(page)), nullptr,
                                     ProcedureOf(page, procedure), 0);
    if (window && shown == Shown::Yes) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool TakeQuitRequest(int& code) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    code = static_cast<int>(message.wParam);
    return true;
}

bool HasVisibleStyle(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string TextOf(HWND window) {
    char text[2048] = "";
    const int length = GetWindowTextA(window, text, sizeof(text));
    return std::string(text, length > 0 ? length : 0);
}

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT DialogUnitsToPixels(HWND page, int x, int y, int width, int height) {
    // The dialog manager converts position and size each on its own, so the
    // right edge rounds as position plus size, not as x + width converted.
    RECT units{x, y, width, height};
    MapDialogRect(page, &units);
    return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

}
