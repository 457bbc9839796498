// The floor of the benchmarks: one VerInstallFileA call, forced, as the
// engine makes it for a non-shared file, with nothing of ours around it.
#pragma once
#include <windows.h>

#include <string>

inline bool BareForcedInstall(const std::string& name, const std::string& fromDirectory,
                              const std::string& toDirectory) {
    char temporary[4 * MAX_PATH] = "";
    UINT length = sizeof(temporary);
    return VerInstallFileA(VIFF_FORCEINSTALL, const_cast<char*>(name.c_str()), const_cast<char*>(name.c_str()),
                           const_cast<char*>(fromDirectory.c_str()), const_cast<char*>(toDirectory.c_str()),
                           nullptr, temporary, &length) == 0;
}
