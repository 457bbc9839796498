#include "install/InstallPromptBoxes_win.h"

#include <windows.h>

#include "install/DiskPromptBoxes_win.h"
#include "install/InstallQuestions_win.h"

void TellUser(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

void InstallPromptBoxes::ShowMessage(const std::string& text, const std::string& caption) {
    TellUser(text, caption);
}

// No is the default: forcing a file over one that differs is not advised.
bool InstallPromptBoxes::AskInstallAnyway(const std::string& text, const std::string& caption) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

LanguageAnswer InstallPromptBoxes::AskLanguageConflict() {
    return ShowLanguageConflict();
}

DiskPromptButton InstallPromptBoxes::AskForDisk(const std::string& text, const std::string& caption) {
    return AskForDiskBox(text, caption);
}

bool InstallPromptBoxes::ConfirmQuit(const std::string& text, const std::string& caption) {
    return ConfirmQuitBox(text, caption);
}
