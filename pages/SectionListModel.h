// The behaviour of the sections page's list: which rows carry the focused,
// selected and cut marks, what each key, click and the "Install section"
// check box does, and which section's details the page shows. The Win32
// list view only mirrors the marks kept here.
#pragma once
#include <cstdint>
#include <vector>

#include "script/SetupRecords.h"

enum RowMark : unsigned {
    MarkFocused = 1,  // LVIS_FOCUSED
    MarkSelected = 2, // LVIS_SELECTED
    MarkCut = 4,      // LVIS_CUT
};

enum class ListKey { Left, Up, Right, Down, Space, Other };

// What the page shows below the list for the current row.
struct SectionDetails {
    int Row = -1;
    bool MustInstall = false; // the "Section must be installed" label instead of the check box
    bool Checked = false;     // the "Install section" check box
};

class SectionListModel {
public:
    // Builds the rows from the sections; must-install rows start focused and
    // selected, then the focus goes to row 0.
    explicit SectionListModel(std::vector<SectionEntry>& sections);

    // Takes over the marks the list view holds now: messages the page passes
    // on to the list's own procedure (double clicks) may have changed them.
    void TakeMarks(const std::vector<unsigned>& marks);

    int RowCount() const { return static_cast<int>(marks_.size()); }
    unsigned MarksOf(int row) const { return marks_[static_cast<size_t>(row)]; }
    // The first row with the focus, or -1.
    int CurrentRow() const;

    // Each returns the details to show, or Row -1 when nothing is to be shown.
    SectionDetails Initial() const;
    SectionDetails KeyDown(ListKey key);
    SectionDetails Click(int hitRow); // hitRow -1: the click hit no row
    SectionDetails CheckBoxChanged(bool checked);

private:
    void SetMarks(int row, unsigned mask, unsigned values);
    SectionDetails DetailsOf(int row) const;
    static bool IsMustInstall(const SectionEntry& section) { return section.MustInstall != 0; }

    std::vector<SectionEntry>& sections_;
    std::vector<unsigned> marks_;
};
