// NextButtonTimer on real pages: Next follows NextAllowed and the rules of
// the open page, and nothing happens without an open page or a Next button.
#include <windows.h>

#include <gtest/gtest.h>

#include "pages/PageHook_win.h"
#include "PageTestSupport.h"
#include "resources/resource.h"
#include "wizard/ProcessState_win.h"

using namespace page_test;

namespace {

DynamicControl Control(const std::string& page, const std::string& name, const std::string& type) {
    DynamicControl control;
    control.PageName = page;
    control.Name = name;
    control.Type = type;
    control.Right = 120;
    control.Bottom = 20;
    return control;
}

ScriptStatement Rule(const std::string& page, const std::string& kind, const std::string& name,
                     const std::string& test, const std::string& expected) {
    return {"SetNextDynamicState", {page, kind, name, test, expected}};
}

void Tick() { NextButtonTimer(nullptr, WM_TIMER, 1, 0); }

class NextButton : public PageTest {
protected:
    bool NextEnabled() { return IsWindowEnabled(GetDlgItem(page_, IDC_NEXT)) != FALSE; }
    HWND Control(size_t index) { return AsHwnd(TheState().Controls.at(index).Window); }
};

TEST_F(NextButton, FollowsACheckBoxRule) {
    TheState().Controls = {::Control("DIALOG_WELCOME", "agree", "CHECKBOX")};
    TheState().PageCommands = {Rule("DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "1")};
    page_ = OpenPage(PageTemplate::Welcome);
    ASSERT_TRUE(page_);
    ASSERT_TRUE(NextEnabled()) << "the template starts with Next enabled";
    Tick();
    EXPECT_FALSE(NextEnabled());
    SendMessageA(Control(0), BM_CLICK, 0, 0);
    Tick();
    EXPECT_TRUE(NextEnabled());
    SendMessageA(Control(0), BM_CLICK, 0, 0);
    Tick();
    EXPECT_FALSE(NextEnabled());
    EXPECT_TRUE(HasVisibleStyle(GetDlgItem(page_, IDC_NEXT))) << "redraw is switched back on";
}

TEST_F(NextButton, TextRuleReadsTheFirst1023Characters) {
    const std::string expected(1023, 'k');
    TheState().Controls = {::Control("DIALOG_DEST", "key", "EDIT")};
    TheState().PageCommands = {Rule("DIALOG_DEST", "CONTROL", "key", "TEXT", expected)};
    page_ = OpenPage(PageTemplate::Dest);
    ASSERT_TRUE(page_);
    SendMessageA(Control(0), EM_LIMITTEXT, 4000, 0);
    SetWindowTextA(Control(0), (expected + "beyond the limit").c_str());
    Tick();
    EXPECT_TRUE(NextEnabled());
    SetWindowTextA(Control(0), expected.substr(1).c_str());
    Tick();
    EXPECT_FALSE(NextEnabled());
}

TEST_F(NextButton, NextAllowedZeroDisablesOnEveryPage) {
    TheState().NextAllowed = 0;
    page_ = OpenPage(PageTemplate::ProgramGroup);
    ASSERT_TRUE(page_);
    Tick();
    EXPECT_FALSE(NextEnabled());
    TheState().NextAllowed = 1;
    Tick();
    EXPECT_TRUE(NextEnabled());
}

TEST_F(NextButton, RulesOfAnotherPageDoNotTouchTheOpenOne) {
    TheState().PageCommands = {Rule("DIALOG_WELCOME", "VARIABLE", "X", "never", "")};
    page_ = OpenPage(PageTemplate::Sections);
    ASSERT_TRUE(page_);
    EnableWindow(GetDlgItem(page_, IDC_NEXT), FALSE);
    Tick();
    EXPECT_TRUE(NextEnabled());
}

TEST_F(NextButton, NothingHappensWithoutAnOpenPageOrANextButton) {
    TheState().NextAllowed = 0;
    Tick(); // no page has been open yet

    page_ = OpenPage(PageTemplate::Welcome);
    ASSERT_TRUE(page_);
    DestroyWindow(page_);
    Tick(); // the current page is closed

    // The copy page has no Next: its other buttons are left alone.
    page_ = OpenPage(PageTemplate::Copy);
    ASSERT_TRUE(page_);
    EXPECT_EQ(GetDlgItem(page_, IDC_NEXT), nullptr);
    Tick();
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page_, IDC_CANCEL)));
}

} // namespace
