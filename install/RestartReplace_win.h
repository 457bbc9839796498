// Replacing a shared file that is in use: the new file is copied into the
// Windows temporary directory and the system is asked to move it over the
// file in use at the next restart (a delayed move on Windows NT and 2000,
// the rename section of wininit.ini on Windows 95, 98 and ME).
#pragma once
#include <string>

// sourcePath is the new file, destinationPath the file in use, sourceName
// the new file's short name, which names the temporary copy. Handled: the
// replacement is scheduled, or not needed because the file in place is newer
// (major and minor version), or it failed and the user was told.
enum class RestartReplacement { Handled, NoVersionInfo };

RestartReplacement ReplaceFileAtRestart(const std::string& sourcePath, const std::string& destinationPath,
                         const std::string& sourceName);
