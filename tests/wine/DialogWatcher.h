// Answers the dialogs and message boxes that the code under test opens:
// a watcher thread finds each new one of this process, records what it
// shows and clicks the next scripted button, then waits for it to close.
// Nothing sleeps for a fixed time: the thread polls until told to finish.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "windows/Handles_win.h"

namespace install_test {

struct SeenDialog {
    std::string Caption;
    std::string Text;                  // a message box's text
    HWND Owner = nullptr;
    std::vector<int> Buttons;          // the standard buttons it has (IDOK ... IDNO)
    int DefaultButton = 0;
    bool HasIcon = false;
    std::map<int, std::string> Fields; // texts of the controls asked for
    bool StayedOpenAfterCancel = false;
};

struct DialogAnswer {
    int Button = IDOK;
    // Escape and the close command are sent first; the dialog must stay.
    bool TryCancelFirst = false;
    // Runs on the watcher thread before the click, while the dialog waits
    // (for instance: the disk is inserted, then Retry is clicked).
    std::function<void()> BeforeClick;
};

class DialogWatcher {
public:
    // Dialogs beyond the scripted answers are recorded and closed with No,
    // OK or Cancel (or the No of the installation dialogs), so that a test
    // that meets one more dialog than expected fails instead of hanging.
    explicit DialogWatcher(std::vector<DialogAnswer> answers, std::vector<int> fieldIds = {});
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Stops watching; what was seen, in order.
    const std::vector<SeenDialog>& Finish();

private:
    static DWORD WINAPI Run(void* watcher);
    void Watch();
    void Answer(HWND dialog);

    std::vector<DialogAnswer> answers_;
    std::vector<int> fieldIds_;
    std::vector<SeenDialog> seen_;
    KernelHandle stop_;
    KernelHandle thread_;
};

// Shorthand for a script of plain button answers.
std::vector<DialogAnswer> Clicks(std::initializer_list<int> buttons);

}
