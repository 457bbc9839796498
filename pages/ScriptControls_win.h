// The controls that AddWindow statements put on a page: created when their
// page opens, destroyed when it closes.
#pragma once
#include <windows.h>

#include <string>

// Creates every control of the page that has no window yet, in list order,
// with id 0, the dialog font, and the check mark where a CheckButton
// statement names it. A control whose class does not exist stays without a
// window and is tried again at the next showing.
void CreateScriptControls(HWND page, const std::string& pageName);

// Destroys the page's controls and forgets their windows.
void DestroyScriptControls(const std::string& pageName);

// Shows, one after the other, the ShowMessage "COMMAND" boxes that the
// notification from a script-defined control calls for.
void ShowCommandMessages(HWND source, int notification);
