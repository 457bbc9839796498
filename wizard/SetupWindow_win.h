// The splash and the full-screen background window, which share one class
// procedure.
#pragma once
#include <windows.h>

constexpr const char* SplashClassName = "SETUPSPLASHCLASS_HI_HOW_DO_YOU_DO";
constexpr const char* MainClassName = "SETUPMAINCLASS_HALLO_WIE_GEHTS";

HWND CreateSetupWindow(const char* title, const char* className, HWND parent, DWORD style, int x, int y,
                       int width, int height);

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
