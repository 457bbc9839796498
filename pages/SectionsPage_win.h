// The sections page: the list of sections with their sizes, comments and
// the user's choice.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SectionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
