// The dialog procedures of the wizard pages, one file each: welcome (template
// 101) with the picture and the welcome texts; destination (106) with the
// installation directory and its drive's free space; sections (105) with the
// list, sizes, comments and the user's choice; program group (113): a new
// group, an existing folder or none; copy (111), which installs on its first
// paint, writes the uninstall entry and closes itself.
#pragma once
#include <windows.h>

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SectionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ProgramGroupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The copy page of a /VERYSILENT run: the same work on a page that is never
// shown. Returns the page result (0 to go on).
int RunHiddenCopyPage();
