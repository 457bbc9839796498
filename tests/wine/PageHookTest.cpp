// Commands on a running page: Next ends it with 0, Cancel asks and ends it
// with -2 after Yes, and an edit field's ShowMessage "COMMAND" box follows
// changes of its text, never its focus. (Escape, the close box and clicks on
// the other control types are driven end to end: tests/e2e/scenarios/pages-*.)
#include <windows.h>

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "resources/resource.h"
#include "wizard/ProcessState_win.h"
#include "windows/QuitSetup_win.h"

using namespace page_test;

namespace {

const char* const kQuitText =
    "Are you really sure to quit setup? The application will be deleted if you click on Yes";

void Command(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

PageStep Click(int id) {
    return [id](HWND page) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); };
}

HWND ScriptControl(size_t index) { return AsHwnd(TheState().Controls.at(index).Window); }

DynamicControl Control(const std::string& name, const std::string& type, int top) {
    DynamicControl control;
    control.PageName = "DIALOG_WELCOME";
    control.Name = name;
    control.Type = type;
    control.Text = name;
    control.Left = 10;
    control.Top = top;
    control.Right = 150;
    control.Bottom = top + 20;
    return control;
}

ScriptStatement Message(const std::string& text, const std::string& control) {
    return {"ShowMessage", {text, "caption " + text, control, "COMMAND"}};
}

class PageCommands : public ::testing::Test {
protected:
    void SetUp() override { ResetSetupState(); }
    void TearDown() override {
        int code = 0;
        while (TakeQuitRequest(code)) {
        }
    }
};

TEST_F(PageCommands, NextEndsThePageWithZero) {
    MessageBoxAnswerer boxes;
    EXPECT_EQ(RunPage(PageTemplate::Welcome, {Click(IDC_NEXT)}), 0);
    EXPECT_TRUE(boxes.Seen().empty());
    int code = 0;
    EXPECT_FALSE(TakeQuitRequest(code));
}

TEST_F(PageCommands, CancelThenNoKeepsThePage) {
    MessageBoxAnswerer boxes({IDNO});
    HWND seenPage = nullptr;
    const INT_PTR result = RunPage(PageTemplate::Dest, {Click(IDC_CANCEL), [&](HWND page) {
                                                            seenPage = page;
                                                            EXPECT_TRUE(IsWindowVisible(page));
                                                            Command(page, IDC_NEXT);
                                                        }});
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(seenPage != nullptr);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    const SeenMessageBox& box = boxes.Seen()[0];
    EXPECT_EQ(box.Text, kQuitText);
    EXPECT_EQ(box.Caption, "Quit setup");
    EXPECT_EQ(box.Owner, nullptr);
    EXPECT_TRUE(box.HasYesNo);
    EXPECT_FALSE(box.HasCancel);
    EXPECT_TRUE(box.HasIcon);
    int code = 0;
    EXPECT_FALSE(TakeQuitRequest(code)) << "No asks for no quit";
}

TEST_F(PageCommands, CancelThenYesEndsWithMinusTwoAndPostsQuitOne) {
    MessageBoxAnswerer boxes({IDYES});
    EXPECT_EQ(RunPage(PageTemplate::Sections, {Click(IDC_CANCEL)}), -2);
    EXPECT_EQ(boxes.Seen().size(), 1u);
    int code = 0;
    ASSERT_TRUE(TakeQuitRequest(code));
    EXPECT_EQ(code, 1);
}

TEST_F(PageCommands, CopyPageCancelsThroughTheHookToo) {
    MessageBoxAnswerer boxes({IDYES});
    EXPECT_EQ(RunPage(PageTemplate::Copy, {Click(IDC_CANCEL)}), -2);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].Caption, "Quit setup");
}

TEST_F(PageCommands, QuitAtOnceAsksNothingAndPostsQuitTwo) {
    MessageBoxAnswerer boxes;
    EXPECT_TRUE(QuitSetup(QuitMode::AtOnce));
    EXPECT_TRUE(boxes.Seen().empty());
    int code = 0;
    ASSERT_TRUE(TakeQuitRequest(code));
    EXPECT_EQ(code, 2);
}

TEST_F(PageCommands, EditFieldShowsItsMessageOncePerChangeAndNeverForFocus) {
    TheState().Controls = {Control("field", "EDIT", 10), Control("other", "EDIT", 40)};
    TheState().PageCommands = {Message("changed", "field")};
    MessageBoxAnswerer boxes;
    size_t afterFocus = 99;
    size_t afterTyping = 99;
    size_t afterClosing = 99;
    const INT_PTR result = RunPage(PageTemplate::Welcome,
                                   {[](HWND page) { SetForegroundWindow(page); },
                                    [](HWND) { SetFocus(ScriptControl(0)); },
                                    [](HWND) { SetFocus(ScriptControl(1)); },
                                    [](HWND) { SetFocus(ScriptControl(0)); },
                                    [&](HWND) {
                                        afterFocus = boxes.Seen().size();
                                        SendMessageA(ScriptControl(0), WM_CHAR, 'x', 0);
                                        afterTyping = boxes.Seen().size();
                                    },
                                    // The box has closed and the focus went back to the field.
                                    [](HWND) {}, [](HWND) {},
                                    [&](HWND page) {
                                        afterClosing = boxes.Seen().size();
                                        EXPECT_EQ(GetFocus(), ScriptControl(0));
                                        Command(page, IDC_NEXT);
                                    }});
    EXPECT_EQ(result, 0);
    EXPECT_EQ(afterFocus, 0u);
    EXPECT_EQ(afterTyping, 1u);
    EXPECT_EQ(afterClosing, 1u);
    EXPECT_EQ(TheState().Controls[0].Window, nullptr);
}

} // namespace
