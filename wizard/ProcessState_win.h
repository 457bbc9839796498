// The process-wide SetupState of setup.exe (Win32 layer only).
#pragma once
#include <windows.h>

#include "script/SetupState.h"

SetupState& TheState();

inline HWND AsHwnd(WindowHandle handle) { return static_cast<HWND>(handle); }
inline HINSTANCE TheInstance() { return static_cast<HINSTANCE>(TheState().Instance); }
