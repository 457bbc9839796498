// Clicks with the real mouse (SendInput), as the user would: the click goes
// to whatever window lies at that screen point.
#pragma once
#include <windows.h>

#include <string>

// Brings the window to the front, moves the cursor to the screen point,
// waits until it is there and clicks the left button.
bool ClickScreenPoint(HWND window, int x, int y, DWORD timeoutMs, std::string& error);
