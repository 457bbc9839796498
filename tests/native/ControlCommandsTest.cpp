#include <gtest/gtest.h>

#include "pages/ControlCommands.h"

namespace {

using Args = std::vector<std::string>;

constexpr int kClicked = 0;          // BN_CLICKED
constexpr int kDoubleClicked = 5;    // BN_DOUBLECLICKED
constexpr int kEditSetFocus = 0x100; // EN_SETFOCUS
constexpr int kEditKillFocus = 0x200;
constexpr int kEditChange = 0x300;
constexpr int kEditUpdate = 0x400;

WindowHandle Handle(uintptr_t n) { return reinterpret_cast<WindowHandle>(n); }

DynamicControl Control(const std::string& name, const std::string& type, WindowHandle window) {
    DynamicControl control;
    control.PageName = "DIALOG_WELCOME";
    control.Name = name;
    control.Type = type;
    control.Window = window;
    return control;
}

ScriptStatement Message(const std::string& text, const std::string& control, const std::string& mode = "COMMAND") {
    return {"ShowMessage", {text, "Caption of " + text, control, mode}};
}

std::vector<std::string> Texts(const std::vector<PageMessage>& messages) {
    std::vector<std::string> texts;
    for (const PageMessage& m : messages)
        texts.push_back(m.Text);
    return texts;
}

TEST(CheckButton, NamesControlsExactly) {
    const std::vector<ScriptStatement> commands{{"CheckButton", {"agree"}},
                                                {"ShowMessage", {"t", "c", "other", "COMMAND"}},
                                                {"SetNextDynamicState", {"agree", "", "", "", ""}}};
    EXPECT_TRUE(NamedByCheckButton(commands, "agree"));
    EXPECT_FALSE(NamedByCheckButton(commands, "Agree"));
    EXPECT_FALSE(NamedByCheckButton(commands, "other")) << "only CheckButton statements check";
    EXPECT_FALSE(NamedByCheckButton({}, "agree"));
}

TEST(CommandMessages, ShowStatementsInScriptOrderForTheClickedWindow) {
    SetupState state;
    state.Controls = {Control("ok", "BUTTON", Handle(1)), Control("other", "BUTTON", Handle(2))};
    state.PageCommands = {Message("second in list, first in script", "ok"), Message("for other", "other"),
                          {"CheckButton", {"ok"}}, Message("third", "ok")};
    const std::vector<PageMessage> shown = MessagesForNotification(state, Handle(1), kClicked);
    EXPECT_EQ(Texts(shown), (std::vector<std::string>{"second in list, first in script", "third"}));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].Caption, "Caption of second in list, first in script");
}

TEST(CommandMessages, OnlyModeCommandShowsAndModesCompareExactly) {
    SetupState state;
    state.Controls = {Control("ok", "BUTTON", Handle(1))};
    state.PageCommands = {Message("never", "ok", "command"), Message("never either", "ok", "CLICK"),
                          Message("now-like", "ok", "now"), Message("shown", "ok")};
    EXPECT_EQ(Texts(MessagesForNotification(state, Handle(1), kClicked)), std::vector<std::string>{"shown"});
}

TEST(CommandMessages, NamesAndWindowsMustBothMatch) {
    SetupState state;
    // Two controls of one name on the page: a click on one shows its
    // message once, not once per control of that name.
    state.Controls = {Control("twin", "BUTTON", Handle(1)), Control("twin", "BUTTON", Handle(2)),
                      Control("closed", "BUTTON", nullptr)};
    state.PageCommands = {Message("twin", "twin"), Message("Twin", "Twin"), Message("closed", "closed")};
    EXPECT_EQ(Texts(MessagesForNotification(state, Handle(2), kClicked)), std::vector<std::string>{"twin"});
    EXPECT_TRUE(MessagesForNotification(state, Handle(3), kClicked).empty()) << "a window that is no control";
}

TEST(CommandMessages, NullSourceNeverMatchesAControlWithoutWindow) {
    // A command with id 0 and no window (a menu or accelerator) must not
    // count as a click on a control whose page is not open.
    SetupState state;
    state.Controls = {Control("closed", "BUTTON", nullptr)};
    state.PageCommands = {Message("closed", "closed")};
    EXPECT_TRUE(MessagesForNotification(state, nullptr, kClicked).empty());
}

TEST(CommandMessages, ButtonsCountEveryNotification) {
    for (const char* type : {"CHECKBOX", "CHECKBOX_BTNSTYLE", "OPTION", "OPTION_BTNSTYLE", "BUTTON", "button"}) {
        SetupState state;
        state.Controls = {Control("c", type, Handle(7))};
        state.PageCommands = {Message("m", "c")};
        EXPECT_EQ(MessagesForNotification(state, Handle(7), kClicked).size(), 1u) << type;
        EXPECT_EQ(MessagesForNotification(state, Handle(7), kDoubleClicked).size(), 1u) << type;
    }
}

TEST(CommandMessages, EditFieldShowsOnTextChangesOnlyNeverOnFocus) {
    for (const char* type : {"EDIT", "Edit", "edit"}) {
        SetupState state;
        state.Controls = {Control("field", type, Handle(9))};
        state.PageCommands = {Message("m", "field")};
        EXPECT_EQ(MessagesForNotification(state, Handle(9), kEditChange).size(), 1u) << type;
        for (int focusOrOther : {kEditSetFocus, kEditKillFocus, kEditUpdate, kClicked})
            EXPECT_TRUE(MessagesForNotification(state, Handle(9), focusOrOther).empty()) << type << " " << focusOrOther;
    }
}

TEST(CommandNotifications, ComboBoxFocusDoesNotCount) {
    EXPECT_FALSE(NotificationShowsMessage("COMBOBOX", 3));
    EXPECT_FALSE(NotificationShowsMessage("ComboBox", 4));
    EXPECT_TRUE(NotificationShowsMessage("ComboBox", 1)) << "a new selection counts";
    EXPECT_TRUE(NotificationShowsMessage("STATIC", 0));
    EXPECT_TRUE(NotificationShowsMessage("EDITX", 0x100)) << "only the class EDIT itself is an edit field";
}

} // namespace
