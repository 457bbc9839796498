// Where the uninstaller finds the installation: the log file, the uninstall
// key below HKEY_LOCAL_MACHINE and the command that starts the uninstaller.
#pragma once
#include <string>

// destinationDirectory + "\Uninstall.log"; the destination normally ends with
// a backslash, and the doubled separator is accepted by the file system.
std::string UninstallLogPath(const std::string& destinationDirectory);

// "Software\Microsoft\Windows\CurrentVersion\Uninstall\" + appName. Any
// length is composed (no fixed buffer). The registry refuses key names with a
// component over 255 characters, which would leave the installation without
// an uninstall entry; so each backslash-separated part of appName is cut to
// 255 characters. The log records this same path, so the uninstaller finds
// the key that was created.
std::string UninstallKeyPath(const std::string& appName);

// The value "UninstallString": destinationDirectory + "TAUninstall.exe",
// quoted when it holds a space, so that Windows does not start
// C:\Program.exe instead.
std::string UninstallCommand(const std::string& destinationDirectory);
