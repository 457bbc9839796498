#include "pages/PageTable_win.h"

#include "pages/PageProcs_win.h"

namespace {

struct PageRow {
    PageTemplate page;
    DLGPROC procedure;
};

// Template id (and with it the page name, PageNameOf) and page procedure.
const PageRow kPages[] = {
    {PageTemplate::Welcome, WelcomePageProc},
    {PageTemplate::Dest, DestPageProc},
    {PageTemplate::Sections, SectionsPageProc},
    {PageTemplate::ProgramGroup, ProgramGroupPageProc},
    {PageTemplate::Copy, CopyPageProc},
};

} // namespace

DLGPROC PageProcedureOf(PageTemplate page) {
    for (const PageRow& row : kPages) {
        if (row.page == page)
            return row.procedure;
    }
    return nullptr;
}
