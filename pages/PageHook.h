// What every page shares: the hook each page procedure passes its messages
// to, the Next-button timer and the quit confirmation.
#pragma once
#include <windows.h>

void PageHook(HWND page, UINT message, WPARAM wParam, LPARAM lParam, const char* pageName);

VOID CALLBACK NextButtonTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
