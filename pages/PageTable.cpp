#include "pages/PageTable.h"

#include "pages/PageHook.h"
#include "pages/WelcomePage.h"

namespace {

// Pages whose own behaviour is not built yet run with the shared hook
// alone: their templates show, Next and Cancel work.
template <PageTemplate Page>
INT_PTR CALLBACK HookOnlyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameOf(Page));
    return 0;
}

struct PageRow {
    PageTemplate page;
    DLGPROC procedure;
};

// Template id (and with it the page name, PageNameOf) and page procedure.
const PageRow kPages[] = {
    {PageTemplate::Welcome, WelcomePageProc},
    {PageTemplate::Dest, HookOnlyPageProc<PageTemplate::Dest>},
    {PageTemplate::Sections, HookOnlyPageProc<PageTemplate::Sections>},
    {PageTemplate::ProgramGroup, HookOnlyPageProc<PageTemplate::ProgramGroup>},
    {PageTemplate::Copy, HookOnlyPageProc<PageTemplate::Copy>},
};

} // namespace

DLGPROC PageProcedureOf(PageTemplate page) {
    for (const PageRow& row : kPages) {
        if (row.page == page)
            return row.procedure;
    }
    return nullptr;
}
