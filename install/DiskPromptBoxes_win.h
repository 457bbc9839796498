// The disk prompt and its quit confirmation as message boxes owned by the
// background window, without icon.
#pragma once
#include "install/DiskPrompt.h"

DiskPromptButton AskForDiskBox(const std::string& text, const std::string& caption);
bool ConfirmQuitBox(const std::string& text, const std::string& caption);

class DiskPromptBoxes : public DiskPrompts {
public:
    DiskPromptButton AskForDisk(const std::string& text, const std::string& caption) override {
        return AskForDiskBox(text, caption);
    }
    bool ConfirmQuit(const std::string& text, const std::string& caption) override {
        return ConfirmQuitBox(text, caption);
    }
};
