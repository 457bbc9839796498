// Script-defined controls on a real page: created with their class, style,
// id 0, the dialog font and CheckButton marks when the page opens, gone when
// it closes, and created anew at the next showing.
#include <windows.h>

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "wizard/ProcessState_win.h"

using namespace page_test;

namespace {

DynamicControl Control(const std::string& page, const std::string& name, const std::string& type,
                       const std::string& text, int left, int top, int right, int bottom) {
    DynamicControl control;
    control.PageName = page;
    control.Name = name;
    control.Type = type;
    control.Text = text;
    control.Left = left;
    control.Top = top;
    control.Right = right;
    control.Bottom = bottom;
    return control;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

class PageControls : public PageTest {
protected:
    HWND Open(PageTemplate page) { return page_ = OpenPage(page); }
    HWND WindowOf(size_t index) { return AsHwnd(TheState().Controls.at(index).Window); }
};

TEST_F(PageControls, CreatesEachTypeWithItsClassStylesPositionTextIdAndFont) {
    struct Expected {
        const char* type;
        const char* className;
        DWORD style;
        DWORD exStyle;
    };
    const Expected rows[] = {
        {"CHECKBOX", "Button", BS_AUTOCHECKBOX, 0},
        {"CHECKBOX_BTNSTYLE", "Button", BS_PUSHLIKE | BS_AUTOCHECKBOX, 0},
        {"OPTION", "Button", BS_AUTORADIOBUTTON, 0},
        {"OPTION_BTNSTYLE", "Button", BS_PUSHLIKE | BS_AUTORADIOBUTTON, 0},
        {"LABEL", "Static", 0, 0},
        {"EDIT", "Edit", 0, WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW},
        {"BUTTON", "Button", 0, 0},
    };
    int top = 10;
    for (const Expected& row : rows) {
        TheState().Controls.push_back(Control("DIALOG_WELCOME", row.type, row.type, std::string("text of ") + row.type,
                                              5, top, 125, top + 20));
        top += 25;
    }
    HWND page = Open(PageTemplate::Welcome);
    ASSERT_TRUE(page);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].type);
        HWND control = WindowOf(i);
        ASSERT_TRUE(IsWindow(control));
        EXPECT_EQ(GetParent(control), page);
        EXPECT_TRUE(0 == _stricmp(ClassOf(control).c_str(), rows[i].className)) << ClassOf(control);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & 0xFFFF, rows[i].style) << std::hex << style;
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP), DWORD(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & (WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW),
                  rows[i].exStyle);
        EXPECT_EQ(GetDlgCtrlID(control), 0);
        EXPECT_EQ(TextOf(control), std::string("text of ") + rows[i].type);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                  static_cast<HFONT>(TheState().DialogFont));
        const RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, 5);
        EXPECT_EQ(rect.top, 10 + 25 * static_cast<int>(i));
        EXPECT_EQ(rect.right - rect.left, 120);
        EXPECT_EQ(rect.bottom - rect.top, 20);
    }
    EXPECT_TRUE(TheState().DialogFont != nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), static_cast<HFONT>(TheState().DialogFont));
    EXPECT_EQ(AsHwnd(TheState().CurrentPage), page);
    EXPECT_EQ(TheState().CurrentPageName, "DIALOG_WELCOME");
}

TEST_F(PageControls, OnlyThePagesOwnControlsAreCreatedAndAMissingClassIsTriedAgain) {
    TheState().Controls = {Control("DIALOG_DEST", "other", "CHECKBOX", "", 0, 0, 50, 20),
                           Control("DIALOG_WELCOME", "ghost", "NO_SUCH_CLASS_ANYWHERE", "", 0, 0, 50, 20),
                           Control("dialog_welcome", "case", "CHECKBOX", "", 0, 0, 50, 20),
                           Control("DIALOG_WELCOME", "real", "LABEL", "here", 0, 30, 50, 50)};
    ASSERT_TRUE(Open(PageTemplate::Welcome));
    EXPECT_EQ(WindowOf(0), nullptr);
    EXPECT_EQ(WindowOf(1), nullptr) << "a type naming no class leaves no window";
    EXPECT_EQ(WindowOf(2), nullptr) << "page names compare exactly";
    EXPECT_TRUE(IsWindow(WindowOf(3)));
    DestroyWindow(page_);

    // Registered now: the next showing creates it.
    WNDCLASSA ghostClass{};
    ghostClass.lpfnWndProc = DefWindowProcA;
    ghostClass.hInstance = GetModuleHandleA(nullptr);
    ghostClass.lpszClassName = "NO_SUCH_CLASS_ANYWHERE";
    ASSERT_TRUE(RegisterClassA(&ghostClass));
    ASSERT_TRUE(Open(PageTemplate::Welcome));
    EXPECT_TRUE(IsWindow(WindowOf(1)));
    DestroyWindow(page_);
    UnregisterClassA("NO_SUCH_CLASS_ANYWHERE", GetModuleHandleA(nullptr));
}

TEST_F(PageControls, ClosingThePageDestroysItsControlsAndForgetsThem) {
    TheState().Controls = {Control("DIALOG_DEST", "a", "CHECKBOX", "A", 0, 0, 80, 20),
                           Control("DIALOG_DEST", "b", "EDIT", "B", 0, 30, 80, 50)};
    ASSERT_TRUE(Open(PageTemplate::Dest));
    HWND a = WindowOf(0);
    HWND b = WindowOf(1);
    ASSERT_TRUE(IsWindow(a) && IsWindow(b));
    DestroyWindow(page_);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(TheState().Controls[0].Window, nullptr);
    EXPECT_EQ(TheState().Controls[1].Window, nullptr);
}

TEST_F(PageControls, CheckButtonMarksEveryShowingAndEarlierChangesAreGone) {
    TheState().Controls = {Control("DIALOG_WELCOME", "agree", "CHECKBOX", "I agree", 0, 0, 80, 20),
                           Control("DIALOG_WELCOME", "plain", "CHECKBOX", "Plain", 0, 30, 80, 50),
                           Control("DIALOG_WELCOME", "push", "CHECKBOX_BTNSTYLE", "Push", 0, 60, 80, 80),
                           Control("DIALOG_WELCOME", "label", "LABEL", "Label", 0, 90, 80, 110),
                           Control("DIALOG_WELCOME", "field", "EDIT", "Field", 0, 120, 80, 140)};
    TheState().PageCommands = {{"CheckButton", {"agree"}}, {"CheckButton", {"push"}},
                               {"CheckButton", {"label"}}, {"CheckButton", {"field"}}};
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        ASSERT_TRUE(Open(PageTemplate::Welcome));
        EXPECT_EQ(SendMessageA(WindowOf(0), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(WindowOf(1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(SendMessageA(WindowOf(2), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(TextOf(WindowOf(3)), "Label") << "a label is unaffected";
        EXPECT_EQ(TextOf(WindowOf(4)), "Field") << "an edit field is unaffected";
        // The user changes everything; none of it survives the page.
        SendMessageA(WindowOf(0), BM_CLICK, 0, 0);
        SendMessageA(WindowOf(1), BM_CLICK, 0, 0);
        SetWindowTextA(WindowOf(4), "typed");
        EXPECT_EQ(SendMessageA(WindowOf(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        DestroyWindow(page_);
    }
}

TEST_F(PageControls, OptionsOfOnePageFormOneGroup) {
    TheState().Controls = {Control("DIALOG_WELCOME", "one", "OPTION", "One", 0, 0, 80, 20),
                           Control("DIALOG_WELCOME", "two", "OPTION_BTNSTYLE", "Two", 0, 30, 80, 50),
                           Control("DIALOG_WELCOME", "three", "OPTION", "Three", 0, 60, 80, 80)};
    ASSERT_TRUE(Open(PageTemplate::Welcome));
    SendMessageA(WindowOf(0), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(WindowOf(0), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(WindowOf(2), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(WindowOf(2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(WindowOf(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(WindowOf(1), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(WindowOf(1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(WindowOf(2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

} // namespace
