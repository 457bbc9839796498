#include <gtest/gtest.h>

#include <map>

#include "pages/NextRules.h"

namespace {

using Args = std::vector<std::string>;

WindowHandle Handle(uintptr_t n) { return reinterpret_cast<WindowHandle>(n); }

struct FakeControlState {
    int Check = 0;
    std::string Text;
};

// Answers for the windows of the open page; fails the test when asked about
// a window it does not know (a null one included).
class FakeReader : public ControlStateReader {
public:
    std::map<WindowHandle, FakeControlState> Windows;

    int CheckState(WindowHandle control) const override { return Find(control).Check; }
    std::string Text(WindowHandle control) const override { return Find(control).Text; }

private:
    const FakeControlState& Find(WindowHandle control) const {
        static const FakeControlState none;
        const auto found = Windows.find(control);
        if (found == Windows.end()) {
            ADD_FAILURE() << "asked about a window that is not open: " << control;
            return none;
        }
        return found->second;
    }
};

DynamicControl Control(const std::string& page, const std::string& name, WindowHandle window) {
    DynamicControl control;
    control.PageName = page;
    control.Name = name;
    control.Type = "CHECKBOX";
    control.Window = window;
    return control;
}

ScriptStatement Rule(const Args& args) { return {"SetNextDynamicState", args}; }

// The welcome page is open with a check box "agree" (window 1) and an edit
// field "code" (window 2); "later" belongs to the destination page, which is
// not open, so it has no window.
struct OpenWelcomePage {
    SetupState State;
    FakeReader Reader;

    OpenWelcomePage() {
        State.CurrentPageName = "DIALOG_WELCOME";
        State.Controls = {Control("DIALOG_WELCOME", "agree", Handle(1)), Control("DIALOG_WELCOME", "code", Handle(2)),
                          Control("DIALOG_DEST", "later", nullptr)};
        Reader.Windows[Handle(1)] = {0, ""};
        Reader.Windows[Handle(2)] = {0, ""};
    }

    bool Next(const std::vector<ScriptStatement>& rules) {
        State.PageCommands = rules;
        return NextButtonEnabled(State, Reader);
    }
};

struct RuleCase {
    const char* what;
    std::vector<ScriptStatement> rules;
    int agreeCheck;
    const char* codeText;
    bool expected;
};

class NextRuleTable : public ::testing::TestWithParam<RuleCase> {};

TEST_P(NextRuleTable, DecidesNext) {
    const RuleCase& c = GetParam();
    OpenWelcomePage page;
    page.Reader.Windows[Handle(1)].Check = c.agreeCheck;
    page.Reader.Windows[Handle(2)].Text = c.codeText;
    EXPECT_EQ(page.Next(c.rules), c.expected) << c.what;
}

const Args kAgreeChecked{"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "1"};
const Args kCodeIsSecret{"DIALOG_WELCOME", "CONTROL", "code", "TEXT", "Secret"};

INSTANTIATE_TEST_SUITE_P(
    Rules, NextRuleTable,
    ::testing::Values(
        RuleCase{"no rules: enabled", {}, 0, "", true},
        RuleCase{"VALUE 1, unchecked", {Rule(kAgreeChecked)}, 0, "", false},
        RuleCase{"VALUE 1, checked", {Rule(kAgreeChecked)}, 1, "", true},
        RuleCase{"VALUE 1, indeterminate", {Rule(kAgreeChecked)}, 2, "", false},
        RuleCase{"VALUE 2, indeterminate", {Rule({"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "2"})}, 2, "", true},
        RuleCase{"VALUE 0, unchecked", {Rule({"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "0"})}, 0, "", true},
        RuleCase{"VALUE read as the script reads numbers: ' 1x'",
                 {Rule({"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", " 1x"})}, 1, "", true},
        RuleCase{"VALUE without digits reads 0", {Rule({"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "yes"})}, 0, "",
                 true},
        RuleCase{"TEXT equal", {Rule(kCodeIsSecret)}, 0, "Secret", true},
        RuleCase{"TEXT differs in case", {Rule(kCodeIsSecret)}, 0, "secret", false},
        RuleCase{"TEXT with a trailing blank", {Rule(kCodeIsSecret)}, 0, "Secret ", false},
        RuleCase{"TEXT empty expected, empty field", {Rule({"DIALOG_WELCOME", "CONTROL", "code", "TEXT", ""})}, 0, "",
                 true},
        RuleCase{"later rule enables", {Rule(kAgreeChecked), Rule(kCodeIsSecret)}, 0, "Secret", true},
        RuleCase{"later rule disables", {Rule(kCodeIsSecret), Rule(kAgreeChecked)}, 0, "Secret", false},
        RuleCase{"rule for another page has no effect", {Rule({"DIALOG_DEST", "CONTROL", "agree", "VALUE", "1"})}, 0, "",
                 true},
        RuleCase{"page name compared exactly", {Rule({"dialog_welcome", "CONTROL", "agree", "VALUE", "1"})}, 0, "",
                 true},
        RuleCase{"unknown control test has no effect", {Rule({"DIALOG_WELCOME", "CONTROL", "agree", "CHECKED", "1"})},
                 0, "", true},
        RuleCase{"unknown control test keeps an earlier outcome",
                 {Rule(kAgreeChecked), Rule({"DIALOG_WELCOME", "CONTROL", "agree", "value", "0"})}, 0, "", false},
        RuleCase{"unknown kind has no effect", {Rule({"DIALOG_WELCOME", "WINDOW", "agree", "VALUE", "1"})}, 0, "", true},
        RuleCase{"kind compared exactly", {Rule({"DIALOG_WELCOME", "control", "agree", "VALUE", "1"})}, 0, "", true},
        RuleCase{"control that does not exist has no effect", {Rule({"DIALOG_WELCOME", "CONTROL", "nobody", "VALUE", "1"})},
                 0, "", true},
        RuleCase{"control name compared exactly", {Rule({"DIALOG_WELCOME", "CONTROL", "Agree", "VALUE", "1"})}, 0, "",
                 true},
        RuleCase{"control of a closed page reads unchecked", {Rule({"DIALOG_WELCOME", "CONTROL", "later", "VALUE", "0"})},
                 1, "", true},
        RuleCase{"control of a closed page does not read checked",
                 {Rule({"DIALOG_WELCOME", "CONTROL", "later", "VALUE", "1"})}, 1, "", false},
        RuleCase{"control of a closed page reads empty", {Rule({"DIALOG_WELCOME", "CONTROL", "later", "TEXT", ""})}, 0,
                 "", true},
        RuleCase{"other kept statements are no rules",
                 {{"CheckButton", {"agree"}}, {"ShowMessage", {"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "1"}}}, 0,
                 "", true}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return "Case" + std::to_string(info.index); });

TEST(NextRules, VariableRuleComparesTheValueExactly) {
    OpenWelcomePage page;
    const std::vector<ScriptStatement> rules{Rule({"DIALOG_WELCOME", "VARIABLE", "MODE", "full", "ignored"})};
    EXPECT_FALSE(page.Next(rules)) << "never set reads as empty";
    page.State.Variables.Set("MODE", "Full");
    EXPECT_FALSE(page.Next(rules));
    page.State.Variables.Set("MODE", "full");
    EXPECT_TRUE(page.Next(rules));
}

TEST(NextRules, VariableRuleForAnEmptyValueHoldsForAnUnsetVariable) {
    OpenWelcomePage page;
    EXPECT_TRUE(page.Next({Rule({"DIALOG_WELCOME", "VARIABLE", "NEVER_SET", "", ""})}));
}

TEST(NextRules, EveryControlOfTheNameIsAppliedAndTheLastDecides) {
    // Two controls named "twin": the later one in the list decides, even when
    // the earlier one satisfies the rule.
    OpenWelcomePage page;
    page.State.Controls.push_back(Control("DIALOG_WELCOME", "twin", Handle(3)));
    page.State.Controls.push_back(Control("DIALOG_WELCOME", "twin", Handle(4)));
    page.Reader.Windows[Handle(3)] = {1, ""};
    page.Reader.Windows[Handle(4)] = {0, ""};
    const std::vector<ScriptStatement> rules{Rule({"DIALOG_WELCOME", "CONTROL", "twin", "VALUE", "1"})};
    EXPECT_FALSE(page.Next(rules));
    page.Reader.Windows[Handle(3)].Check = 0;
    page.Reader.Windows[Handle(4)].Check = 1;
    EXPECT_TRUE(page.Next(rules));
}

TEST(NextRules, NextAllowedZeroDisablesWhateverTheRulesSay) {
    OpenWelcomePage page;
    page.State.NextAllowed = 0;
    EXPECT_FALSE(page.Next({}));
    page.Reader.Windows[Handle(1)].Check = 1;
    EXPECT_FALSE(page.Next({Rule(kAgreeChecked)}));
    page.State.NextAllowed = 1;
    EXPECT_TRUE(page.Next({Rule(kAgreeChecked)}));
}

} // namespace
