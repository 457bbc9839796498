// Window texts read whole, whatever their length.
#pragma once
#include <windows.h>

#include <string>

std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int id);
