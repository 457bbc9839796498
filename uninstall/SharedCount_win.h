// The reference counts of shared files in the registry (see SharedCount.h).
#pragma once
#include <string>

#include "uninstall/SharedCount.h"

SharedCountValue ReadSharedCount(const std::string& filePath);
bool WriteSharedCount(const std::string& filePath, uint32_t count);
// True when the value is gone (also when there was none).
bool DeleteSharedCount(const std::string& filePath);

// The installer's part: one more user of the file, unless its value is of
// another type. Failures are not reported, as for the uninstall entry.
void CountSharedInstallation(const std::string& filePath, bool fileExistedBefore);
