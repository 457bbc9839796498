// WM_PAINT of the splash window.
#pragma once
#include <windows.h>

void PaintSplash(HWND window);
