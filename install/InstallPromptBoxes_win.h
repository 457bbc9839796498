// The questions and messages of the versioned installation as the user sees
// them: message boxes, the disk prompt of the background window and the
// language dialog.
#pragma once
#include <string>

#include "install/InstallResult.h"

class InstallPromptBoxes : public InstallPrompts {
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskInstallAnyway(const std::string& text, const std::string& caption) override;
    LanguageAnswer AskLanguageConflict() override;
    DiskPromptButton AskForDisk(const std::string& text, const std::string& caption) override;
    bool ConfirmQuit(const std::string& text, const std::string& caption) override;
};
