#include "install/DiskPrompt.h"

std::string InsertDiskText(int16_t disk) {
    return "Please insert disk " + std::to_string(disk) +
           " in order to continue setup. If you inserted correct disk and this message appears again, setup script "
           "may be corrupt.";
}

DiskPromptOutcome PromptForDisk(int16_t disk, const std::string& caption, DiskPrompts& prompts) {
    const std::string text = InsertDiskText(disk);
    for (;;) {
        switch (prompts.AskForDisk(text, caption)) {
        case DiskPromptButton::Retry:
            return DiskPromptOutcome::Retry;
        case DiskPromptButton::Ignore:
            return DiskPromptOutcome::Ignore;
        case DiskPromptButton::Abort:
            if (prompts.ConfirmQuit("Are you really sure to quit setup? The application will be deleted if you "
                                    "click on Yes",
                                    "Quit setup"))
                return DiskPromptOutcome::Quit;
            break;
        }
    }
}
