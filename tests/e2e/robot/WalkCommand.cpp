// walk DIR: goes through a whole run the way a patient user would. For every
// dialog the process shows (pages and message boxes, class #32770) it saves
// a screenshot in DIR and presses the button that moves on, until the
// process ends. Used by the demo; tests use the single-step commands.
#include "tests/e2e/robot/RobotCommands.h"

#include <cstdio>

#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/Processes.h"
#include "tests/e2e/robot/Screen.h"
#include "tests/e2e/robot/WindowQuery.h"

namespace {

// Buttons that move a run forward, in order of preference.
const char* const kForwardButtons[] = {"Next >", "Next", "Finish", "Yes", "OK", "Continue"};

HWND ForwardButton(HWND dialog) {
    for (const char* wanted : kForwardButtons) {
        for (HWND child : ChildControls(dialog)) {
            if (ClassOf(child) == "Button" && IsWindowEnabled(child) && IsWindowVisible(child) &&
                WithoutMnemonics(TextOf(child)) == wanted)
                return child;
        }
    }
    return nullptr;
}

// A file name from the step number and the dialog title, letters and digits only.
std::string StepFile(const std::string& directory, int step, const std::string& title) {
    char number[8];
    std::snprintf(number, sizeof(number), "%02d-", step);
    std::string name = number;
    for (const char c : title) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        name += plain ? c : '_';
    }
    return directory + "/" + name + ".bmp";
}

} // namespace

bool WalkCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (command.Words.empty() || session.ProcessId == 0) {
        error = "usage: wait-process first, then walk DIR";
        return false;
    }
    WindowFilter dialogs;
    dialogs.HasClass = true;
    dialogs.ClassName = "#32770";
    dialogs.ProcessId = session.ProcessId;
    for (int step = 1;; ++step) {
        // The dialog in front may change while we wait: a page that works
        // without a button to press (the copy page) opens message boxes and
        // dialogs of its own, and closes itself.
        HWND dialog = nullptr;
        HWND button = nullptr;
        if (!PollUntil(session.TimeoutMs, [&] {
                dialog = FindTopLevel(dialogs);
                button = dialog ? ForwardButton(dialog) : nullptr;
                return button != nullptr || !ProcessIsRunning(session.ProcessId);
            })) {
            error = dialog ? "no enabled button to go on in " + DescribeWindow(dialog)
                           : "neither a dialog nor the end of the process";
            return false;
        }
        if (!button) {
            Report("walk steps=" + std::to_string(step - 1));
            return true;
        }
        const std::string file = StepFile(command.Words[0], step, TitleOf(dialog));
        if (!SaveScreenBitmap(file, error))
            return false;
        Report("step index=" + std::to_string(step) + " " + DescribeWindow(dialog) + " button=" +
               QuoteText(TextOf(button)) + " screenshot=" + QuoteText(file));
        PostMessageA(button, BM_CLICK, 0, 0);
        if (!PollUntil(session.TimeoutMs, [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
            error = "the dialog stayed after " + QuoteText(TextOf(button));
            return false;
        }
    }
}
