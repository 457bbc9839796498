// The uninstaller's last work: a running program cannot delete its own file,
// so a copy of it in a fresh temporary folder waits for it to end, deletes
// it, Uninstall.log and the directories that are then empty, and has itself
// and its folder deleted at the next restart.
#pragma once
#include <string>

// The switch that starts the copy in this role. Not an option for users:
// the program takes none.
extern const char CleanupSwitch[];

// Starts the copy for the program at programPath; false when it could not,
// after which the caller removes what it can itself.
bool StartSelfRemoval(const std::string& programPath);

// What the copy does, given the waiting handle's text and the original
// program's path from its command line.
int RunSelfRemoval(const std::string& processHandle, const std::string& programPath);

// Without a copy: the log is deleted now, the program and its directory at
// the next restart.
void RemoveWithoutCopy(const std::string& programPath);
