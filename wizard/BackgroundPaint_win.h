// WM_PAINT of the background window: gradient and caption.
#pragma once
#include <windows.h>

void PaintBackground(HWND window);
