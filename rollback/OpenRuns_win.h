// The registry's list of installation runs that have not ended: one value per
// run below HKEY_LOCAL_MACHINE naming the run's journal folder. It exists
// while a run is open, so that the next start of setup.exe or TAUninstall.exe
// finds a run that was killed and undoes it.
#pragma once
#include <string>
#include <vector>

bool AddOpenRun(const std::string& folder);
// Removes the run's value, and the list's keys once they are empty.
void RemoveOpenRun(const std::string& folder);
std::vector<std::string> OpenRuns();
