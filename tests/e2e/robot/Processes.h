// Processes of the same Wine prefix, found by their executable's name.
#pragma once
#include <windows.h>

#include <string>

// The id of a running process whose image name equals name (case-insensitive), or 0.
DWORD FindProcessByName(const std::string& name);
bool ProcessIsRunning(DWORD processId);
