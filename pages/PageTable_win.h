// The dialog procedure of each page.
#pragma once
#include <windows.h>

#include "script/PageNames.h"

// The procedure that runs the page of this template; each calls PageHook
// with the page's name.
DLGPROC PageProcedureOf(PageTemplate page);
