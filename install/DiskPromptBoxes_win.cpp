#include "install/DiskPromptBoxes_win.h"

#include "windows/ProcessState_win.h"

DiskPromptButton AskForDiskBox(const std::string& text, const std::string& caption) {
    switch (MessageBoxA(AsHwnd(TheState().MainWindow), text.c_str(), caption.c_str(), MB_ABORTRETRYIGNORE)) {
    case IDRETRY: return DiskPromptButton::Retry;
    case IDIGNORE: return DiskPromptButton::Ignore;
    default: return DiskPromptButton::Abort;
    }
}

bool ConfirmQuitBox(const std::string& text, const std::string& caption) {
    return MessageBoxA(AsHwnd(TheState().MainWindow), text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}
