// Where the uninstaller finds the installation: the log file, the uninstall
// key below HKEY_LOCAL_MACHINE and the command that starts the uninstaller.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "uninstall/UninstallLog.h"

// destinationDirectory and "Uninstall.log" joined by one backslash.
std::string UninstallLogPath(const std::string& destinationDirectory);

// The key below HKEY_LOCAL_MACHINE that holds the uninstall entries.
extern const char UninstallRootKey[];

// The names of the keys from UninstallRootKey down to the application's own
// key: appName split at its backslashes. The registry refuses key names over
// 255 characters, which would leave the installation without an uninstall
// entry, so each name is cut to 255 characters. The keys are created one name
// at a time: a whole path of any length would not pass the system's 8-bit
// registry calls, which convert it in a buffer of 260 characters.
std::vector<std::string> UninstallKeyNames(const std::string& appName);

// UninstallRootKey + "\" + the names joined by backslashes; any length is
// composed (no fixed buffer). The log records this path, so the uninstaller
// finds the key that was created.
std::string UninstallKeyPath(const std::string& appName);

// destinationDirectory and "TAUninstall.exe" joined by one backslash (a
// typed D:\Games must not give D:\GamesTAUninstall.exe).
std::string UninstallerPath(const std::string& destinationDirectory);

// The value "UninstallString": UninstallerPath, quoted when it holds a
// space, so that Windows does not start C:\Program.exe instead.
std::string UninstallCommand(const std::string& destinationDirectory);

// The value "QuietUninstallString" that deployment tools run:
// "UninstallerPath" /VERYSILENT.
std::string QuietUninstallCommand(const std::string& destinationDirectory);

// The values of the uninstall entry beside "DisplayName" and
// "UninstallString" that deployment tools read.
struct UninstallEntryDetails {
    std::string QuietUninstallString;
    std::string InstallLocation;
    std::string Publisher;      // empty: the value is not written
    uint32_t EstimatedSizeKb = 0;
    std::string InstallDate;    // YYYYMMDD
    // SetAppVersion's version text, also as VersionMajor and VersionMinor;
    // empty: the entry holds no version (an earlier one is removed).
    std::string DisplayVersion;
    uint32_t LogCodePage = 0;   // of the log's records
};

// Every value setup writes into the entry: the uninstaller removes these and
// leaves any other a program added itself.
extern const char* const UninstallEntryValueNames[13];

// installedBytes: the sizes of the files installed, rounded up to whole KB
// (at most what a DWORD holds).
UninstallEntryDetails ComposeEntryDetails(const std::string& destinationDirectory, const std::string& publisher,
                                          uint64_t installedBytes, const LogDate& date);
