#include <gtest/gtest.h>

#include "pages/SectionListModel.h"

namespace {

SectionEntry Section(const char* name, int mustInstall) {
    SectionEntry section;
    section.Name = name;
    section.MustInstall = mustInstall;
    return section;
}

class SectionList : public ::testing::Test {
protected:
    // A must be installed, B and C are optional.
    std::vector<SectionEntry> sections{Section("A", 1), Section("B", 0), Section("C", 0)};
    SectionListModel model{sections};

    bool IsSelected(int row) const { return (model.MarksOf(row) & MarkSelected) != 0; }
};

} // namespace

TEST_F(SectionList, OpensWithMustInstallRowsSelectedAndRowZeroCurrent) {
    EXPECT_EQ(model.CurrentRow(), 0);
    EXPECT_TRUE(IsSelected(0));
    EXPECT_FALSE(IsSelected(1));
    const SectionDetails details = model.Initial();
    EXPECT_EQ(details.Row, 0);
    EXPECT_TRUE(details.MustInstall);
}

TEST_F(SectionList, ClickSelectsAndDeselectsOptionalRows) {
    SectionDetails details = model.Click(1);
    EXPECT_EQ(sections[1].Selected, 1);
    EXPECT_EQ(model.MarksOf(1), MarkFocused | MarkSelected | MarkCut);
    EXPECT_EQ(details.Row, 1);
    EXPECT_FALSE(details.MustInstall);
    EXPECT_TRUE(details.Checked);

    details = model.Click(1);
    EXPECT_EQ(sections[1].Selected, 0);
    EXPECT_EQ(model.MarksOf(1), 0u);
    EXPECT_FALSE(details.Checked);
    EXPECT_EQ(model.CurrentRow(), 0); // the focus went to the last must-install row
    EXPECT_TRUE(IsSelected(0));
}

TEST_F(SectionList, MustInstallRowsNeverDeselect) {
    model.Click(0);
    model.Click(0);
    EXPECT_TRUE(IsSelected(0));
    EXPECT_EQ(sections[0].Selected, 1);
    model.KeyDown(ListKey::Space);
    EXPECT_TRUE(IsSelected(0));
    EXPECT_TRUE(model.Click(-1).Row < 0);
    EXPECT_TRUE(IsSelected(0));
}

TEST_F(SectionList, ArrowsMoveTheCurrentRowWithinTheList) {
    EXPECT_EQ(model.KeyDown(ListKey::Up).Row, 0);
    EXPECT_EQ(model.KeyDown(ListKey::Down).Row, 1);
    EXPECT_FALSE(IsSelected(1));
    EXPECT_EQ(model.KeyDown(ListKey::Right).Row, 1);
    EXPECT_EQ(model.KeyDown(ListKey::Down).Row, 2);
    EXPECT_EQ(model.KeyDown(ListKey::Down).Row, 2);
    EXPECT_EQ(model.CurrentRow(), 2);
    EXPECT_TRUE(model.KeyDown(ListKey::Other).Row < 0);
    EXPECT_EQ(model.CurrentRow(), 2);
}

TEST_F(SectionList, SpaceTogglesTheCurrentOptionalRow) {
    model.KeyDown(ListKey::Down);
    SectionDetails details = model.KeyDown(ListKey::Space);
    EXPECT_EQ(sections[1].Selected, 1);
    EXPECT_TRUE(details.Checked);
    details = model.KeyDown(ListKey::Space);
    EXPECT_EQ(sections[1].Selected, 0);
    EXPECT_FALSE(IsSelected(1));
    EXPECT_EQ(model.CurrentRow(), 1);
}

TEST_F(SectionList, CheckBoxSelectsTheCurrentRowAndKeepsItCurrent) {
    model.KeyDown(ListKey::Down);
    model.CheckBoxChanged(true);
    EXPECT_TRUE(IsSelected(1));
    EXPECT_EQ(sections[1].Selected, 1);
    model.CheckBoxChanged(false);
    EXPECT_FALSE(IsSelected(1));
    EXPECT_EQ(sections[1].Selected, 0);
    EXPECT_EQ(model.CurrentRow(), 1);
}

TEST_F(SectionList, FollowsMarksTheListViewChangedItself) {
    model.TakeMarks({MarkSelected, MarkFocused | MarkSelected | 8u, 0});
    EXPECT_EQ(model.CurrentRow(), 1);
    EXPECT_EQ(model.MarksOf(1), MarkFocused | MarkSelected);
    model.KeyDown(ListKey::Space); // selected and optional: deselects
    EXPECT_EQ(sections[1].Selected, 0);
}

TEST(SectionListEmpty, NothingToAddress) {
    std::vector<SectionEntry> none;
    SectionListModel model(none);
    EXPECT_EQ(model.CurrentRow(), -1);
    EXPECT_LT(model.Initial().Row, 0);
    EXPECT_LT(model.KeyDown(ListKey::Down).Row, 0);
    EXPECT_LT(model.KeyDown(ListKey::Space).Row, 0);
    EXPECT_LT(model.Click(0).Row, 0);
    EXPECT_LT(model.CheckBoxChanged(true).Row, 0);
}

TEST(SectionListMustInstallTwo, CountsAsMustInstallButGetsNoMarks) {
    std::vector<SectionEntry> sections{Section("X", 0), Section("Two", 2)};
    SectionListModel model(sections);
    EXPECT_FALSE(model.MarksOf(1) & MarkSelected);
    model.KeyDown(ListKey::Down);
    EXPECT_TRUE(model.KeyDown(ListKey::Down).MustInstall);
    model.Click(1);
    model.Click(1); // never deselected: it counts as must-install
    EXPECT_EQ(sections[1].Selected, 1);
}

TEST(SectionListTwoMustInstall, DeselectingMovesTheFocusToTheLastMustInstallRow) {
    std::vector<SectionEntry> sections{Section("A", 1), Section("B", 0), Section("C", 1), Section("D", 0)};
    SectionListModel model(sections);
    EXPECT_EQ(model.CurrentRow(), 0);
    EXPECT_TRUE(model.MarksOf(2) & MarkSelected);
    model.Click(3);
    model.Click(3);
    EXPECT_EQ(model.CurrentRow(), 2);
    EXPECT_EQ(model.MarksOf(0), static_cast<unsigned>(MarkSelected));
    EXPECT_EQ(model.MarksOf(3), 0u);
    // Selecting a row leaves the focus on it.
    model.Click(1);
    EXPECT_EQ(model.CurrentRow(), 1);
}

TEST(SectionListWithoutFocus, ArrowsStartAtTheTopAndSpaceWaitsForARow) {
    std::vector<SectionEntry> sections{Section("A", 0), Section("B", 0)};
    SectionListModel model(sections);
    model.TakeMarks({0, 0}); // the list view lost its focus mark
    EXPECT_LT(model.KeyDown(ListKey::Space).Row, 0);
    EXPECT_EQ(sections[0].Selected, 0);
    EXPECT_EQ(model.KeyDown(ListKey::Up).Row, 0); // treated as Down from before the first row
    EXPECT_EQ(model.CurrentRow(), 0);
}
