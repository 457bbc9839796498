// The program group page: a new group, an existing folder, or no group.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ProgramGroupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
