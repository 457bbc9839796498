// The questions and messages of the versioned installation as the user sees
// them: message boxes, the disk prompt of the background window and the
// language dialog.
#pragma once
#include <string>

#include "install/InstallResult.h"

// Message box without owner, OK button, no icon: the form of every notice
// the installation engine gives.
void TellUser(const std::string& text, const std::string& caption);

class InstallPromptBoxes : public InstallPrompts {
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskInstallAnyway(const std::string& text, const std::string& caption) override;
    LanguageAnswer AskLanguageConflict() override;
    DiskPromptButton AskForDisk(const std::string& text, const std::string& caption) override;
    bool ConfirmQuit(const std::string& text, const std::string& caption) override;
};
