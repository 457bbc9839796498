// The pages of a silent run: none waits for the user. Each applies what the
// command line or the page's own first choice gives, and logs it.
#pragma once
#include <optional>

#include "script/PageNames.h"

// A page result that ends the run (any result other than 0 does).
constexpr int kPageEndsRun = -2;

// Returns the page result (0 to go on, non-zero to end the run), or nothing
// when the page is to be shown as usual: the copy page of /SILENT, with its
// progress and its Cancel button.
std::optional<int> PassPageSilently(PageTemplate page);

// Logs what the page stored (destination, sections, program group);
// source says where the choice came from (" (/SECTIONS)"), or is empty; the
// destination names its own source.
void LogPageChoice(PageTemplate page, const char* source);
