#include "install/InstallPromptBoxes_win.h"

#include "install/DiskPromptBoxes_win.h"
#include "install/InstallQuestions_win.h"
#include "windows/CodePages_win.h"
#include "windows/Unattended_win.h"

// The texts are our own fixed ones; the caption is the script's.
void InstallPromptBoxes::ShowMessage(const std::string& text, const std::string& caption) {
    TellUser(WesternText(text), caption);
}

// No is the default: forcing a file over one that differs is not advised;
// a silent run takes the same safe answer.
bool InstallPromptBoxes::AskInstallAnyway(const std::string& text, const std::string& caption) {
    return AskUser(nullptr, text, caption, MB_YESNO | MB_DEFBUTTON2, IDNO) == IDYES;
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
