// Colours on the screen, read back from the display the way a user sees them.
#pragma once
#include <windows.h>

#include <string>

// The colour at screen position (x, y), or CLR_INVALID when it cannot be read.
COLORREF ScreenPixel(int x, int y);

// RRGGBB in hexadecimal, the order image tools print.
std::string RgbHex(COLORREF colour);

// Saves the whole screen as a 24-bit BMP file.
bool SaveScreenBitmap(const std::string& path, std::string& error);
