#include "install/InstallResult.h"

#include <cstdio>

namespace {

struct BitName {
    uint32_t Bit;
    const char* Name;
};

constexpr BitName kBitNames[] = {
    {VerInstallBit::TempFile, "VIF_TEMPFILE"},
    {VerInstallBit::Mismatch, "VIF_MISMATCH"},
    {VerInstallBit::SrcOld, "VIF_SRCOLD"},
    {VerInstallBit::DiffLang, "VIF_DIFFLANG"},
    {VerInstallBit::DiffCodePage, "VIF_DIFFCODEPG"},
    {VerInstallBit::DiffType, "VIF_DIFFTYPE"},
    {VerInstallBit::WriteProt, "VIF_WRITEPROT"},
    {VerInstallBit::FileInUse, "VIF_FILEINUSE"},
    {VerInstallBit::OutOfSpace, "VIF_OUTOFSPACE"},
    {VerInstallBit::AccessViolation, "VIF_ACCESSVIOLATION"},
    {VerInstallBit::SharingViolation, "VIF_SHARINGVIOLATION"},
    {VerInstallBit::CannotCreate, "VIF_CANNOTCREATE"},
    {VerInstallBit::CannotDelete, "VIF_CANNOTDELETE"},
    {VerInstallBit::CannotRename, "VIF_CANNOTRENAME"},
    {VerInstallBit::CannotDeleteCur, "VIF_CANNOTDELETECUR"},
    {VerInstallBit::OutOfMemory, "VIF_OUTOFMEMORY"},
    {VerInstallBit::CannotReadSrc, "VIF_CANNOTREADSRC"},
    {VerInstallBit::CannotReadDst, "VIF_CANNOTREADDST"},
    {VerInstallBit::BuffTooSmall, "VIF_BUFFTOOSMALL"},
    {VerInstallBit::CannotLoadLz32, "VIF_CANNOTLOADLZ32"},
    {VerInstallBit::CannotLoadCabinet, "VIF_CANNOTLOADCABINET"},
};


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

const char* InstallVerdictText(InstallVerdict verdict) {
    switch (verdict) {
    case InstallVerdict::Installed: return "installed";
    case InstallVerdict::StopRun: return "the run stops";
    case InstallVerdict::Retry: return "tried again";
    case InstallVerdict::Skip: return "left alone, the run goes on";
    case InstallVerdict::Force: return "installed anyway (forced)";
    case InstallVerdict::InUse: return "the file in place is in use";
    }
    return "unknown";
}

std::string VerInstallBitNames(uint32_t bits) {
    if (bits == 0)
        return "0";
    std::string names;
    for (const BitName& row : kBitNames) {
        if (!(bits & row.Bit))
            continue;
        names += (names.empty() ? "" : "|") + std::string(row.Name);
        bits &= ~row.Bit;
    }
    if (bits) {
        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%X", static_cast<unsigned>(bits));
        names += (names.empty() ? "" : "|") + std::string(hex);
    }
    return names;
}
