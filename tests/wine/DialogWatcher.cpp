#include "tests/wine/DialogWatcher.h"

#include <algorithm>

namespace install_test {

namespace {

constexpr DWORD kPollMilliseconds = 10;
constexpr DWORD kCloseDeadlineMilliseconds = 10000;
constexpr UINT kSendTimeoutMilliseconds = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x440;
// No of the overwrite question and of the language dialog.
constexpr int kOverwriteNo = 1043;
constexpr int kLanguageNo = 1042;

struct Search {
    HWND Found = nullptr;
};

BOOL CALLBACK TakeVisibleDialog(HWND window, LPARAM context) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof(className));
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::string(className) != "#32770")
        return TRUE;
    reinterpret_cast<Search*>(context)->Found = window;
    return FALSE;
}

HWND FindVisibleDialog() {
    Search search;
    EnumWindows(TakeVisibleDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// Window texts of the user-interface thread, read without risking a hang.
std::string TextOf(HWND window) {
    char text[1024] = "";
    DWORD_PTR length = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                                        SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds, &length))
        return std::string();
    return std::string(text, std::min<size_t>(length, sizeof(text) - 1));
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds, &result);
    return static_cast<LRESULT>(result);
}

// Message boxes mark their default button by its style only.
BOOL CALLBACK TakeDefaultButton(HWND child, LPARAM context) {
    char className[16] = "";
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Button") != 0 || (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON)
        return TRUE;
    *reinterpret_cast<int*>(context) = GetDlgCtrlID(child);
    return FALSE;
}

SeenDialog Describe(HWND dialog, const std::vector<int>& fieldIds) {
    SeenDialog seen;
    seen.Caption = TextOf(dialog);
    seen.Text = TextOf(GetDlgItem(dialog, kMessageBoxTextId));
    seen.Owner = GetWindow(dialog, GW_OWNER);
    for (int button = IDOK; button <= IDNO; ++button) {
        if (GetDlgItem(dialog, button))
            seen.Buttons.push_back(button);
    }
    EnumChildWindows(dialog, TakeDefaultButton, reinterpret_cast<LPARAM>(&seen.DefaultButton));
    HWND icon = GetDlgItem(dialog, kMessageBoxIconId);
    seen.HasIcon = icon && Send(icon, STM_GETICON, 0, 0) != 0;
    for (int id : fieldIds)
        seen.Fields[id] = TextOf(GetDlgItem(dialog, id));
    return seen;
}

int FallbackButton(HWND dialog) {
    for (int button : {IDNO, IDOK, IDCANCEL, kOverwriteNo, kLanguageNo}) {
        if (GetDlgItem(dialog, button))
            return button;
    }
    return IDCANCEL;
}

void Click(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

bool WaitUntilClosed(HWND dialog) {
    for (DWORD waited = 0; waited < kCloseDeadlineMilliseconds; waited += kPollMilliseconds) {
        if (!IsWindow(dialog) || !IsWindowVisible(dialog))
            return true;
        Sleep(kPollMilliseconds);
    }
    return false;
}

}

std::vector<DialogAnswer> Clicks(std::initializer_list<int> buttons) {
    std::vector<DialogAnswer> answers;
    for (int button : buttons)
        answers.push_back(DialogAnswer{button, false, nullptr});
    return answers;
}

DialogWatcher::DialogWatcher(std::vector<DialogAnswer> answers, std::vector<int> fieldIds)
    : answers_(std::move(answers)), fieldIds_(std::move(fieldIds)),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

DialogWatcher::~DialogWatcher() {
    Finish();
}

const std::vector<SeenDialog>& DialogWatcher::Finish() {
    if (thread_) {
        SetEvent(stop_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
        thread_.reset();
    }
    return seen_;
}

DWORD WINAPI DialogWatcher::Run(void* watcher) {
    static_cast<DialogWatcher*>(watcher)->Watch();
    return 0;
}

void DialogWatcher::Watch() {
    while (WaitForSingleObject(stop_.get(), kPollMilliseconds) == WAIT_TIMEOUT) {
        if (HWND dialog = FindVisibleDialog())
            Answer(dialog);
    }
}

void DialogWatcher::Answer(HWND dialog) {
    SeenDialog seen = Describe(dialog, fieldIds_);
    const bool scripted = seen_.size() < answers_.size();
    const DialogAnswer answer =
        scripted ? answers_[seen_.size()] : DialogAnswer{FallbackButton(dialog), false, nullptr};
    if (answer.TryCancelFirst) {
        Send(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        Send(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        seen.StayedOpenAfterCancel = IsWindow(dialog) && IsWindowVisible(dialog);
    }
    seen_.push_back(seen);
    if (answer.BeforeClick)
        answer.BeforeClick();
    Click(dialog, answer.Button);
    if (!WaitUntilClosed(dialog)) {
        Click(dialog, FallbackButton(dialog));
        WaitUntilClosed(dialog);
    }
}

}
