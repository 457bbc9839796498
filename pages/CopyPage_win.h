// The copy page: performs the installation on its first paint, then writes
// the uninstall entry and closes itself.
#pragma once
#include <windows.h>

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
