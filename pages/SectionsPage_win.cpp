#include "pages/PageProcs_win.h"

#include <commctrl.h>

#include <memory>

#include "install/SourcePieces_win.h"
#include "pages/PageHook_win.h"
#include "pages/SectionListModel.h"
#include "pages/SectionSize.h"
#include "resources/resource.h"
#include "script/PageNames.h"
#include "wizard/ProcessState_win.h"

namespace {

constexpr UINT kMarkMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT;

// Up to this many files are sized before the page shows (a fraction of a
// second); with more, the page shows at once and the sizes follow, sized in
// slices on a timer while Next waits. A timer, because its messages come
// after input and a quit request: the page stays usable meanwhile.
constexpr size_t kFilesSizedBeforeShowing = 1000;
constexpr UINT_PTR kSizeTimerId = 1;
constexpr UINT kSizeTimerPeriod = 10;
constexpr DWORD kSizeSlice = 20; // milliseconds of sizing per timer message

// The list's marks and choices while the page is open.
std::unique_ptr<SectionListModel> g_model;
HWND g_page = nullptr;
// The sizes still being computed, and the Next switch to restore after them.
std::unique_ptr<SectionSizes> g_sizes;
int g_nextAllowedBefore = 1;
// A disk prompt of a piece runs a message loop that can deliver the next
// timer message while a slice is still running.
bool g_sizing = false;

HWND List() { return GetDlgItem(g_page, IDC_SECTION_LIST); }

void ReadMarksFromList() {
    std::vector<unsigned> marks(static_cast<size_t>(g_model->RowCount()));
    for (size_t row = 0; row < marks.size(); ++row)
        marks[row] = static_cast<unsigned>(ListView_GetItemState(List(), static_cast<int>(row), kMarkMask));
    g_model->TakeMarks(marks);
}

void WriteMarksToList() {
    for (int row = 0; row < g_model->RowCount(); ++row)
        ListView_SetItemState(List(), row, g_model->MarksOf(row), kMarkMask);
}

void ShowSectionDetails(const SectionDetails& details) {
    if (details.Row < 0)
        return;
    const SectionEntry& section = TheState().Sections[static_cast<size_t>(details.Row)];
    SetDlgItemTextA(g_page, IDC_SECTION_COMMENT, section.Comment.c_str());
    ShowWindow(GetDlgItem(g_page, IDC_SECTION_MUST_INSTALL), details.MustInstall ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(g_page, IDC_SECTION_INSTALL), details.MustInstall ? SW_HIDE : SW_SHOW);
    if (!details.MustInstall)
        CheckDlgButton(g_page, IDC_SECTION_INSTALL, details.Checked ? BST_CHECKED : BST_UNCHECKED);
}

// Runs one model operation against the list view's current marks.
template <typename Operation>
void Apply(Operation operation) {
    ReadMarksFromList();
    const SectionDetails details = operation(*g_model);
    WriteMarksToList();
    ShowSectionDetails(details);
}

ListKey KeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT: return ListKey::Left;
    case VK_UP: return ListKey::Up;
    case VK_RIGHT: return ListKey::Right;
    case VK_DOWN: return ListKey::Down;
    case VK_SPACE: return ListKey::Space;
    default: return ListKey::Other;
    }
}

int HitRow(LPARAM lParam) {
    LVHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    return static_cast<int>(SendMessageA(List(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

WNDPROC PreviousListProc() {
    return reinterpret_cast<WNDPROC>(TheState().SectionListPrevProc);
}

LRESULT CALLBACK SectionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_model && message == WM_KEYDOWN) {
        // Keys other than the arrows and Space are swallowed.
        Apply([&](SectionListModel& model) { return model.KeyDown(KeyOf(wParam)); });
        return 0;
    }
    // The characters of those key presses are swallowed too: the list's own
    // search for a row by its first letter would select that row alone and
    // take the marks of the must-install rows, so that the list no longer
    // showed what will be installed.
    if (g_model && message == WM_CHAR)
        return 0;
    if (g_model && message == WM_LBUTTONDOWN) {
        SendMessageA(list, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        const int row = HitRow(lParam);
        Apply([&](SectionListModel& model) { return model.Click(row); });
        return 0;
    }
    return CallWindowProcA(PreviousListProc(), list, message, wParam, lParam);
}

void ShowSize(HWND list, int row) {
    std::string sizeText = std::to_string(g_sizes->Size(static_cast<size_t>(row)));
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = &sizeText[0];
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Sizes files for up to slice milliseconds (INFINITE: all) and shows each
// row's size as it is finished. Returns whether all sizes are known. The
// page is destroyed only after its dialog loop ends, never during a slice.
bool SizeFor(DWORD slice) {
    const DWORD start = GetTickCount();
    g_sizing = true;
    while (!g_sizes->Done() && (slice == INFINITE || GetTickCount() - start < slice)) {
        const int row = g_sizes->Step(GetExpandedFileSize);
        if (row >= 0)
            ShowSize(List(), row);
    }
    g_sizing = false;
    return g_sizes->Done();
}

void StopSizing() {
    if (!g_sizes)
        return;
    KillTimer(g_page, kSizeTimerId);
    TheState().NextAllowed = g_nextAllowedBefore;
    g_sizes.reset();
}

void CALLBACK SizeTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_sizing && SizeFor(kSizeSlice))
        StopSizing();
}

// Sizes the files before the page shows, or starts sizing them behind it.
void StartSizing() {
    g_sizes = std::make_unique<SectionSizes>(TheState().Sections, TheState().Files);
    if (g_sizes->Pending() <= kFilesSizedBeforeShowing) {
        SizeFor(INFINITE);
        g_sizes.reset();
        return;
    }
    SetupState& state = TheState();
    g_nextAllowedBefore = state.NextAllowed;
    state.NextAllowed = 0;
    EnableWindow(GetDlgItem(g_page, IDC_NEXT), FALSE);
    SetTimer(g_page, kSizeTimerId, kSizeTimerPeriod, SizeTimer);
}

void FillList(HWND list) {
    char sectionTitle[] = "Section";
    char sizeTitle[] = "Size (Bytes)";
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = 100;
    column.pszText = sectionTitle;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = sizeTitle;
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));

    SetupState& state = TheState();
    for (size_t row = 0; row < state.Sections.size(); ++row) {
        const SectionEntry& section = state.Sections[row];
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<char*>(section.Name.c_str());
        item.stateMask = kMarkMask;
        item.state = section.MustInstall == 1 ? LVIS_FOCUSED | LVIS_SELECTED : 0;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    StartSizing();
}

void InitPage(HWND page) {
    g_page = page;
    HWND list = GetDlgItem(page, IDC_SECTION_LIST);
    TheState().SectionListPrevProc =
        reinterpret_cast<void*>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SectionListProc)));
    SendMessageA(list, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    FillList(list);
    g_model = std::make_unique<SectionListModel>(TheState().Sections);
    WriteMarksToList();
    if (g_model->RowCount() == 0) {
        // Nothing to choose: neither the label nor the check box (the
        // template shows both, one over the other) speaks of a section.
        ShowWindow(GetDlgItem(page, IDC_SECTION_MUST_INSTALL), SW_HIDE);
        ShowWindow(GetDlgItem(page, IDC_SECTION_INSTALL), SW_HIDE);
    }
    ShowSectionDetails(g_model->Initial());
}

void ClosePage(HWND page) {
    StopSizing();
    SetWindowLongPtrA(GetDlgItem(page, IDC_SECTION_LIST), GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(TheState().SectionListPrevProc));
    g_model.reset();
    g_page = nullptr;
}

} // namespace

INT_PTR CALLBACK SectionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameSections);
    if (message == WM_INITDIALOG) {
        ShowChoicePageTitle(page);
        InitPage(page);
    } else if (message == WM_DESTROY) {
        ClosePage(page);
    } else if (message == WM_COMMAND && LOWORD(wParam) == IDC_SECTION_INSTALL && g_model) {
        const bool checked = IsDlgButtonChecked(page, IDC_SECTION_INSTALL) == BST_CHECKED;
        Apply([&](SectionListModel& model) { return model.CheckBoxChanged(checked); });
    }
    return 0;
}
