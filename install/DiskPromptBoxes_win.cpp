#include "install/DiskPromptBoxes_win.h"

#include "wizard/ProcessState_win.h"
#include "windows/Unattended_win.h"

// A silent run has no one to insert a disk: it stops, and the log names the
// file (the caption) and the disk (the text).
DiskPromptButton AskForDiskBox(const std::string& text, const std::string& caption) {
    if (IsSilentRun())
        TheRun().End.Failed = true;
    switch (AskUser(AsHwnd(TheState().MainWindow), text, caption, MB_ABORTRETRYIGNORE, IDABORT)) {
    case IDRETRY: return DiskPromptButton::Retry;
    case IDIGNORE: return DiskPromptButton::Ignore;
    default: return DiskPromptButton::Abort;
    }
}

bool ConfirmQuitBox(const std::string& text, const std::string& caption) {
    return AskUser(AsHwnd(TheState().MainWindow), text, caption, MB_YESNO, IDYES) == IDYES;
}
