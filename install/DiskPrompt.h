// The insert-disk prompt and its quit confirmation, shared by the fetch of
// source pieces and by the versioned installation.
#pragma once
#include <cstdint>
#include <string>

enum class DiskPromptButton { Abort, Retry, Ignore };

// What the prompts need of the platform. The Win32 layer shows both as
// message boxes owned by the background window, without icon.
class DiskPrompts {
public:
    virtual ~DiskPrompts() = default;
    // Abort, Retry and Ignore buttons. Any answer other than Retry or Ignore
    // (a closed box, a failed call) is reported as Abort.
    virtual DiskPromptButton AskForDisk(const std::string& text, const std::string& caption) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool ConfirmQuit(const std::string& text, const std::string& caption) = 0;
};

enum class DiskPromptOutcome { Retry, Ignore, Quit };

// "Please insert disk <disk> ..." with the disk as a signed decimal number.
std::string InsertDiskText(int16_t disk);

// Asks for the disk until the user retries, ignores, or confirms quitting
// after Abort; Abort followed by No asks for the disk again.
DiskPromptOutcome PromptForDisk(int16_t disk, const std::string& caption, DiskPrompts& prompts);
