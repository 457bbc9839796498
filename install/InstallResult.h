// What the versioned installation does with one result of VerInstallFileA:
// the bits are examined in a fixed order; some only show a message and let
// the examination go on, others decide. The decision is returned, the Win32
// layer acts on it.
#pragma once
#include <cstdint>
#include <string>

#include "install/DiskPrompt.h"

// The result bits of VerInstallFileA (winver.h values).
namespace VerInstallBit {
constexpr uint32_t TempFile = 0x1;
constexpr uint32_t Mismatch = 0x2;
constexpr uint32_t SrcOld = 0x4;
constexpr uint32_t DiffLang = 0x8;
constexpr uint32_t DiffCodePage = 0x10;
constexpr uint32_t DiffType = 0x20;
constexpr uint32_t WriteProt = 0x40;
constexpr uint32_t FileInUse = 0x80;
constexpr uint32_t OutOfSpace = 0x100;
constexpr uint32_t AccessViolation = 0x200;
constexpr uint32_t SharingViolation = 0x400;
constexpr uint32_t CannotCreate = 0x800;
constexpr uint32_t CannotDelete = 0x1000;
constexpr uint32_t CannotRename = 0x2000;
constexpr uint32_t CannotDeleteCur = 0x4000;
constexpr uint32_t OutOfMemory = 0x8000;
constexpr uint32_t CannotReadSrc = 0x10000;
constexpr uint32_t CannotReadDst = 0x20000;
constexpr uint32_t BuffTooSmall = 0x40000;
constexpr uint32_t CannotLoadLz32 = 0x80000;
constexpr uint32_t CannotLoadCabinet = 0x100000;
}

enum class InstallVerdict : int {
    Installed = 0,  // the file is installed
    StopRun = 1,    // stop the whole copy run
    Retry = 2,      // call VerInstallFileA again with the same arguments
    Skip = 3,       // leave this file alone, go on with the next
    Force = 4,      // call again with VIFF_FORCEINSTALL
    InUse = 5,      // the destination is in use
};

// The answers of the language and code-page dialog (its end codes).
enum class LanguageAnswer : int { No = 0, Yes = 1, InstallAll = 2 };

// What the interpretation needs of the platform, beyond the disk prompts.
class InstallPrompts : public DiskPrompts {
public:
    // Message box without owner, OK button, no icon.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // Message box without owner, Yes and No with No the default; true for Yes.
    virtual bool AskInstallAnyway(const std::string& text, const std::string& caption) = 0;
    // The language and code-page dialog, owned by the background window. It
    // only reports the button; the Install all flag is set by the caller.
    virtual LanguageAnswer AskLanguageConflict() = 0;
};

// Interprets a VerInstallFileA result. caption is the source's short file
// name (caption of every message), disk the entry's disk for the disk prompt.
// installAll is the run's "install all" switch: when set, language and code
// page conflicts are forced without asking, and it is set when the user
// answers Install all.
InstallVerdict InterpretInstallResult(uint32_t bits, const std::string& caption, int16_t disk, int& installAll,
                                      InstallPrompts& prompts);

// The names of the result bits of VerInstallFileA, joined by '|'
// ("VIF_MISMATCH|VIF_SRCOLD"), "0" for none; unknown bits in hexadecimal.
std::string VerInstallBitNames(uint32_t bits);

// What setup does after one answer of the installer, in words (for the run log).
const char* InstallVerdictText(InstallVerdict verdict);
