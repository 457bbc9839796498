// The welcome page (template 101): title and two texts from the variables
// that SetWelcomeString and SetWelcomeString2 set, and the picture.
#pragma once
#include <windows.h>

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
