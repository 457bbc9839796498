// The dialog procedure of each page.
#pragma once
#include <windows.h>

#include "script/PageNames.h"

DLGPROC PageProcedureOf(PageTemplate page);
