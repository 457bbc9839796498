// The log's names in the code page this uninstaller runs in.
#pragma once
#include "uninstall/LogCodePage.h"

// The entry the log's key names lead to tells the records' code page; the
// legacy reading is tried first, as every log written before the entry
// named it is in the legacy ANSI code page.
LogRecodeResult LogInOwnCodePage(const ParsedLog& log);
