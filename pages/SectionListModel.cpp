#include "pages/SectionListModel.h"

SectionListModel::SectionListModel(std::vector<SectionEntry>& sections)
    : sections_(sections), marks_(sections.size(), 0) {
    for (size_t row = 0; row < sections_.size(); ++row) {
        if (sections_[row].MustInstall == 1)
            SetMarks(static_cast<int>(row), MarkFocused | MarkSelected, MarkFocused | MarkSelected);
    }
    if (!marks_.empty())
        SetMarks(0, MarkFocused, MarkFocused);
}

void SectionListModel::TakeMarks(const std::vector<unsigned>& marks) {
    for (size_t row = 0; row < marks_.size() && row < marks.size(); ++row)
        marks_[row] = marks[row] & (MarkFocused | MarkSelected | MarkCut);
}

int SectionListModel::CurrentRow() const {
    for (size_t row = 0; row < marks_.size(); ++row) {
        if (marks_[row] & MarkFocused)
            return static_cast<int>(row);
    }
    return -1;
}

void SectionListModel::SetMarks(int row, unsigned mask, unsigned values) {
    // Only one row holds the focus: giving it to a row takes it from the others.
    if (mask & values & MarkFocused) {
        for (unsigned& marks : marks_)
            marks &= ~static_cast<unsigned>(MarkFocused);
    }
    unsigned& marks = marks_[static_cast<size_t>(row)];
    marks = (marks & ~mask) | (values & mask);
}

SectionDetails SectionListModel::DetailsOf(int row) const {
    SectionDetails details;
    if (row < 0 || row >= RowCount())
        return details;
    const SectionEntry& section = sections_[static_cast<size_t>(row)];
    details.Row = row;
    details.MustInstall = IsMustInstall(section);
    details.Checked = !details.MustInstall && section.Selected == 1;
    return details;
}

SectionDetails SectionListModel::Initial() const {
    return DetailsOf(0);
}

SectionDetails SectionListModel::KeyDown(ListKey key) {
    if (marks_.empty())
        return {};
    int row = CurrentRow();
    if (key == ListKey::Space) {
        if (row < 0)
            return {};
        SectionEntry& section = sections_[static_cast<size_t>(row)];
        if ((marks_[static_cast<size_t>(row)] & MarkSelected) && section.MustInstall == 0) {
            SetMarks(row, MarkFocused | MarkSelected | MarkCut, 0);
            SetMarks(row, MarkFocused, MarkFocused);
            section.Selected = 0;
        } else {
            SetMarks(row, MarkFocused | MarkSelected, MarkFocused | MarkSelected);
            section.Selected = 1;
        }
        return DetailsOf(row);
    }
    if (key == ListKey::Other)
        return {};
    if (row < 0) {
        key = ListKey::Down;
        row = -1;
    }
    if (key == ListKey::Up)
        --row;
    else if (key == ListKey::Down)
        ++row;
    if (row < 0)
        row = 0;
    if (row >= RowCount())
        row = RowCount() - 1;
    SetMarks(row, MarkFocused, MarkFocused);
    return DetailsOf(row);
}

SectionDetails SectionListModel::Click(int hitRow) {
    SectionDetails details;
    bool deselectedOptional = false;
    if (hitRow >= 0 && hitRow < RowCount()) {
        SectionEntry& section = sections_[static_cast<size_t>(hitRow)];
        const bool deselect = (marks_[static_cast<size_t>(hitRow)] & MarkSelected) && section.MustInstall == 0;
        const unsigned state = deselect ? 0u : static_cast<unsigned>(MarkFocused | MarkSelected | MarkCut);
        SetMarks(hitRow, MarkFocused | MarkSelected | MarkCut, state);
        section.Selected = deselect ? 0 : 1;
        deselectedOptional = deselect;
        details = DetailsOf(hitRow);
    }
    // Must-install rows stay selected; after an optional row was deselected
    // the focus ends on the last of them.
    for (size_t row = 0; row < sections_.size(); ++row) {
        if (sections_[row].MustInstall != 1)
            continue;
        SetMarks(static_cast<int>(row), MarkSelected, MarkSelected);
        if (deselectedOptional)
            SetMarks(static_cast<int>(row), MarkFocused, MarkFocused);
    }
    return details;
}

SectionDetails SectionListModel::CheckBoxChanged(bool checked) {
    const int row = CurrentRow();
    if (row < 0)
        return {};
    SectionEntry& section = sections_[static_cast<size_t>(row)];
    if (checked) {
        SetMarks(row, MarkFocused | MarkSelected, MarkFocused | MarkSelected);
        section.Selected = 1;
    } else {
        SetMarks(row, MarkFocused | MarkSelected, 0);
        SetMarks(row, MarkFocused, MarkFocused);
        section.Selected = 0;
    }
    return {};
}
