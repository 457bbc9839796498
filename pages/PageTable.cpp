#include "pages/PageTable.h"

#include "pages/PageHook.h"

namespace {
// Pages whose own behaviour is not built yet run with the shared hook alone.
template <PageTemplate Page>
INT_PTR CALLBACK HookOnlyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameOf(Page));
    return 0;
}
}

DLGPROC PageProcedureOf(PageTemplate page) {
    switch (page) {
    case PageTemplate::Welcome: return HookOnlyPageProc<PageTemplate::Welcome>;
    case PageTemplate::Sections: return HookOnlyPageProc<PageTemplate::Sections>;
    case PageTemplate::Dest: return HookOnlyPageProc<PageTemplate::Dest>;
    case PageTemplate::Copy: return HookOnlyPageProc<PageTemplate::Copy>;
    case PageTemplate::ProgramGroup: return HookOnlyPageProc<PageTemplate::ProgramGroup>;
    }
    return nullptr;
}
