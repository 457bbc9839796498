// One file through the version-aware installer until its result settles:
// the installer is called again after a retried disk prompt and forced
// after the user agreed to a conflict.
#pragma once
#include <cstdint>
#include <string>

#include "install/InstallResult.h"
#include "install/VerInstallCalls_win.h"

// Returns Installed, Skip, InUse or StopRun. caption is the source's short
// file name, disk the entry's disk for the disk prompt. Whatever the end, no
// temporary copy of the installer is left in the destination directory.
InstallVerdict InstallUntilSettled(InstallFileRequest request, const std::string& caption, int16_t disk,
                                   InstallPrompts& prompts);
