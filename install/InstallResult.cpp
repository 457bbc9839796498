#include "install/InstallResult.h"

namespace {

// The rows between the language conflict and the disk prompt, in the order
// they are examined: a message after which the examination goes on, or no
// message for a destination in use, which decides.
struct MessageOrInUse {
    uint32_t Bit;
    const char* Message;
};
constexpr MessageOrInUse kMiddleRows[] = {
    {VerInstallBit::WriteProt, "File cannot be written to, because it is write protected. You should remove the "
                               "write protection and try to install again."},
    {VerInstallBit::FileInUse, nullptr},
    {VerInstallBit::OutOfSpace, "The file cannot be saved, because there is insufficient harddisk space."},
    {VerInstallBit::AccessViolation, nullptr},
    {VerInstallBit::SharingViolation, "Sharing violation occured, setup cannot install the file."},
    {VerInstallBit::CannotCreate, "Could not create the file, setup cannot install the file"},
    {VerInstallBit::CannotDelete, nullptr},
    {VerInstallBit::OutOfMemory, "Out of memory error, file cannot be installed. This may be an internal error."},
};

InstallVerdict SettleLanguageConflict(int& installAll, InstallPrompts& prompts) {
    if (installAll == 1)
        return InstallVerdict::Force;
    switch (prompts.AskLanguageConflict()) {
    case LanguageAnswer::InstallAll:
        installAll = 1;
        return InstallVerdict::Force;
    case LanguageAnswer::Yes:
        return InstallVerdict::Force;
    case LanguageAnswer::No:
        break;
    }
    return InstallVerdict::Skip;
}
}

InstallVerdict InterpretInstallResult(uint32_t bits, const std::string& caption, int16_t disk, int& installAll,
                                      InstallPrompts& prompts) {
    using namespace VerInstallBit;
    if (bits == 0)
        return InstallVerdict::Installed;
    const auto has = [bits](uint32_t bit) { return (bits & bit) != 0; };
    const auto tell = [&](const char* text) { prompts.ShowMessage(text, caption); };

    if (has(TempFile))
        tell("Temporary file, file cannot be copied.");
    if (has(Mismatch)) {
        const bool yes = prompts.AskInstallAnyway(
            "The file to install and the old file differ in one or more attributes. If you want to, you can install "
            "it though. Do you want to install the file (not recommended)?",
            caption);
        return yes ? InstallVerdict::Force : InstallVerdict::Skip;
    }
    if (has(SrcOld))
        return InstallVerdict::Skip;
    // The code page is looked at before the language: one dialog covers both.
    if (has(DiffCodePage) || has(DiffLang))
        return SettleLanguageConflict(installAll, prompts);
    for (const MessageOrInUse& row : kMiddleRows)
        if (has(row.Bit)) {
            if (!row.Message)
                return InstallVerdict::InUse;
            tell(row.Message);
        }
    if (has(CannotReadSrc)) {
        switch (PromptForDisk(disk, caption, prompts)) {
        case DiskPromptOutcome::Retry:
            return InstallVerdict::Retry;
        case DiskPromptOutcome::Ignore:
            return InstallVerdict::Skip;
        case DiskPromptOutcome::Quit:
            break;  // a confirmed quit lets the remaining rows speak, then stops
        }
    }
    if (has(CannotReadDst))
        tell("Couldn\xB4t read destination, file cannot be installed.");
    if (has(BuffTooSmall))
        tell("VIF_BUFFTOOSMALL // INTERNAL ERROR!!!");
    return InstallVerdict::StopRun;
}
