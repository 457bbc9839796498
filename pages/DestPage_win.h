// The destination page: the installation directory and its drive's free space.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

INT_PTR CALLBACK DestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Free bytes available to the user on the drive that the path's first three
// characters name; 0 when they name none or it cannot be read.
uint64_t QueryFreeSpace(const std::string& path);
