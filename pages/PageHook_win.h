// What every page shares: the hook each page procedure passes its messages
// to, and the timer procedure that keeps the Next button up to date.
#pragma once
#include <windows.h>

// Records the page as the current one, remembers the dialog font, creates
// the page's script-defined controls on WM_INITDIALOG and destroys them on
// WM_DESTROY, ends the page on Next (0) and on a confirmed Cancel (-2), and
// shows the ShowMessage "COMMAND" boxes of script-defined controls.
void PageHook(HWND page, UINT message, WPARAM wParam, LPARAM lParam, const char* pageName);

// The 50 ms timer procedure on the background window: enables or disables
// Next (IDC_NEXT) of the current page by NextAllowed and the Next rules.
// Does nothing when the current page is closed or has no Next button.
VOID CALLBACK NextButtonTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

// The destination and sections pages name the application being installed
// in their title (the caption, else "<APPNAME> Setup"); without either they
// keep their template's title.
void ShowChoicePageTitle(HWND page);
