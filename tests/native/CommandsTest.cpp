#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "script/Commands.h"

namespace {

// Records what the commands ask of the platform; directories are a map
// from pattern to the entries the file system would return.
class FakePlatform : public CommandPlatform {
public:
    int syntaxErrors = 0;
    int repaints = 0;
    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<PageTemplate> pages;
    int pageResult = 0;
    std::map<std::string, std::vector<std::pair<std::string, bool>>> directories;

    void ShowSyntaxError() override { ++syntaxErrors; }
    void ShowMessageNow(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    void RepaintBackground() override { ++repaints; }
    int RunPage(PageTemplate page) override {
        pages.push_back(page);
        return pageResult;
    }
    void EnumerateFiles(const std::string& pattern,
                        const std::function<void(const std::string&, bool)>& visit) override {
        for (const auto& [name, isDirectory] : directories[pattern])
            visit(name, isDirectory);
    }
    EarlierLookup FindEarlierInstallation(const std::string&) override { return earlier; }
    bool AcceptDowngrade(const std::string& question) override {
        questions.push_back(question);
        return acceptDowngrade;
    }
    void Note(const std::string& line) override { notes.push_back(line); }

    EarlierLookup earlier;
    bool acceptDowngrade = false;
    std::vector<std::string> questions;
    std::vector<std::string> notes;
};

class Commands : public ::testing::Test {
protected:
    SetupState state;
    FakePlatform platform;

    StatementResult Run(const std::string& name, std::vector<std::string> args) {
        ScriptStatement statement{name, std::move(args)};
        return ExecuteStatement(state, statement, platform);
    }
};

} // namespace

TEST_F(Commands, UnknownNamesAreSkippedWhateverTheirCount) {
    EXPECT_EQ(Run("setappname", {"a", "b", "c"}), StatementResult::Continue);
    EXPECT_EQ(Run("x", {}), StatementResult::Continue);
    EXPECT_EQ(platform.syntaxErrors, 0);
    EXPECT_FALSE(state.Variables.Contains("APPNAME"));
}

TEST_F(Commands, WrongCountStopsBeforeAnyEffect) {
    EXPECT_EQ(Run("SetAppName", {"a", "b"}), StatementResult::SyntaxError);
    EXPECT_EQ(Run("ShowWelcome", {""}), StatementResult::SyntaxError);
    EXPECT_EQ(Run("AddWindow", {}), StatementResult::SyntaxError);
    EXPECT_EQ(platform.syntaxErrors, 3);
    EXPECT_FALSE(state.Variables.Contains("APPNAME"));
    EXPECT_TRUE(platform.pages.empty());

    const std::pair<const char*, int> counts[] = {
        {"SetAppName", 1}, {"SetBackground", 6}, {"SetRedrawWait", 1}, {"SetDeveloperName", 1},
        {"SetVariable", 2}, {"SetWelcomeString", 2}, {"SetWelcomeString2", 1}, {"SetCaption", 1},
        {"SetCaptionColor", 6}, {"SetCaptionSize", 1}, {"SetCaptionPos", 4}, {"CreateSection", 4},
        {"AddFile", 10}, {"ShowMessage", 4}, {"AddWindow", 9}, {"ShowWelcome", 0}, {"ShowDest", 0},
        {"ShowSections", 0}, {"ShowCopy", 0}, {"ShowProgramGroup", 0}, {"SetNextDynamicState", 5},
        {"CheckButton", 1}, {"SetAppVersion", 1}};
    for (const auto& [name, count] : counts)
        EXPECT_EQ(CommandArgumentCount(name), count) << name;
}

// The checker reads the table's argument kinds and substitution marks.
TEST(CommandTable, KindsDescribeEveryArgument) {
    ASSERT_EQ(AllCommands().size(), 23u);
    for (const CommandInfo* command : AllCommands()) {
        EXPECT_EQ(FindCommandInfo(command->name), command);
        EXPECT_EQ(std::string(command->kinds).size(), static_cast<size_t>(command->count)) << command->name;
        EXPECT_EQ(std::string(command->kinds).find_first_not_of("tnfcdu"), std::string::npos) << command->name;
        EXPECT_LT(command->substituted, 1u << command->count) << command->name;
    }
    EXPECT_EQ(FindCommandInfo("setappname"), nullptr);
    EXPECT_EQ(std::string(FindCommandInfo("AddFile")->kinds), "tttfdffuft");
    EXPECT_EQ(FindCommandInfo("ShowMessage")->substituted, Arg(1) | Arg(2));
}

TEST_F(Commands, SetAppNameSetsNameGroupAndDestination) {
    state.ProgramFilesPath = "C:\\Program Files\\";
    state.Variables.Set("V", "mo");
    EXPECT_EQ(Run("SetAppName", {"De[V]"}), StatementResult::Continue);
    EXPECT_EQ(state.Variables.Get("APPNAME"), "Demo");
    EXPECT_EQ(state.Variables.Get("PROGRAMGROUP"), "Demo");
    EXPECT_EQ(state.Variables.Get("DP"), "C:\\Program Files\\Demo\\");

    state.ProgramFilesPath = "\\";
    Run("SetAppName", {"Demo"});
    EXPECT_EQ(state.Variables.Get("DP"), "\\Demo\\");
}

// The destination's sources in order of precedence: the destination page,
// /DIR, an earlier installation, then the script's own values.
TEST_F(Commands, DestinationFromTheCommandLineOrAnEarlierInstallationWins) {
    state.ProgramFilesPath = "C:\\Program Files\\";
    state.Variables.SetLiteral("DP", "E:\\Admin [1]\\");
    state.DestinationFrom = DestinationSource::DirSwitch;
    platform.earlier.Found = EarlierInstallation{"D:\\Old\\", "1.0", {}};
    Run("SetAppName", {"Demo"});
    Run("SetVariable", {"DP", "C:\\Script\\"});
    EXPECT_EQ(state.Variables.Get("DP"), "E:\\Admin [1]\\");
    EXPECT_EQ(state.DestinationFrom, DestinationSource::DirSwitch);
    EXPECT_NE(std::find(platform.notes.begin(), platform.notes.end(), "Destination: E:\\Admin [1]\\ (/DIR)"),
              platform.notes.end());
    // Brackets in the folder stay text: a literal value.
    std::string text = "[DP]x";
    state.Variables.Substitute(text);
    EXPECT_EQ(text, "E:\\Admin [1]\\x");

    SetupState upgrade;
    upgrade.ProgramFilesPath = "C:\\Program Files\\";
    ScriptStatement name{"SetAppName", {"Demo"}};
    ExecuteStatement(upgrade, name, platform);
    EXPECT_EQ(upgrade.Variables.Get("DP"), "D:\\Old\\");
    EXPECT_EQ(upgrade.DestinationFrom, DestinationSource::EarlierInstallation);
    ScriptStatement set{"SetVariable", {"DP", "C:\\Script\\"}};
    ExecuteStatement(upgrade, set, platform);
    EXPECT_EQ(upgrade.Variables.Get("DP"), "D:\\Old\\");
    EXPECT_EQ(platform.notes.back(), "SetVariable leaves DP at D:\\Old\\ (the earlier installation's folder)");

    // Without either, the script decides, and the last value counts.
    SetupState fresh;
    fresh.ProgramFilesPath = "C:\\Program Files\\";
    platform.earlier = EarlierLookup{std::nullopt, "no earlier installation"};
    ExecuteStatement(fresh, name, platform);
    EXPECT_EQ(fresh.Variables.Get("DP"), "C:\\Program Files\\Demo\\");
    ExecuteStatement(fresh, set, platform);
    EXPECT_EQ(fresh.Variables.Get("DP"), "C:\\Script\\");
    EXPECT_EQ(fresh.DestinationFrom, DestinationSource::Script);
}

TEST_F(Commands, AnOlderVersionOverANewerOneIsAskedOnce) {
    platform.earlier.Found = EarlierInstallation{"D:\\Old\\", "2.10", {}};
    // The version first, the name after: the question comes when both are known.
    EXPECT_EQ(Run("SetAppVersion", {"2.9.5"}), StatementResult::Continue);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(state.Variables.Get("APPVERSION"), "2.9.5");
    EXPECT_EQ(Run("SetAppName", {"Demo"}), StatementResult::EndRun);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0],
              "A newer version (2.10) of Demo is already installed. Install version 2.9.5 over it?");

    SetupState accepted;
    platform.acceptDowngrade = true;
    ScriptStatement name{"SetAppName", {"Demo"}};
    ScriptStatement version{"SetAppVersion", {"2.9.5"}};
    EXPECT_EQ(ExecuteStatement(accepted, name, platform), StatementResult::Continue);
    EXPECT_EQ(ExecuteStatement(accepted, version, platform), StatementResult::Continue);
    EXPECT_EQ(ExecuteStatement(accepted, version, platform), StatementResult::Continue);
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(accepted.AppVersion, "2.9.5");

    // The same version is a repair, a newer one an upgrade: no question.
    platform.acceptDowngrade = false;
    for (const char* offered : {"2.10", "2.10.0", "2.11", "10"}) {
        SetupState run;
        ScriptStatement newer{"SetAppVersion", {offered}};
        EXPECT_EQ(ExecuteStatement(run, name, platform), StatementResult::Continue);
        EXPECT_EQ(ExecuteStatement(run, newer, platform), StatementResult::Continue) << offered;
    }
    EXPECT_EQ(platform.questions.size(), 2u);

    // A text that is no version is kept in APPVERSION but compared with nothing.
    SetupState odd;
    ScriptStatement beta{"SetAppVersion", {"1.0 beta"}};
    EXPECT_EQ(ExecuteStatement(odd, name, platform), StatementResult::Continue);
    EXPECT_EQ(ExecuteStatement(odd, beta, platform), StatementResult::Continue);
    EXPECT_EQ(odd.Variables.Get("APPVERSION"), "1.0 beta");
    EXPECT_EQ(odd.AppVersion, "");
    EXPECT_EQ(platform.questions.size(), 2u);
}

TEST_F(Commands, TextCommandsSubstituteTheirArguments) {
    state.Variables.Set("N", "Ann");
    Run("SetDeveloperName", {"[N]"});
    Run("SetWelcomeString", {"Hi [N]", "Cap [N]"});
    Run("SetWelcomeString2", {"two [N]"});
    Run("SetCaption", {"c [N]"});
    Run("SetVariable", {"X[N]", "[N]!"});
    EXPECT_EQ(state.Variables.Get("DEVELOPERNAME"), "Ann");
    EXPECT_EQ(state.Variables.Get("WELCOMESTRING"), "Hi Ann");
    EXPECT_EQ(state.Variables.Get("WELCOMESTRING_CAP"), "Cap Ann");
    EXPECT_EQ(state.Variables.Get("WELCOMESTRING2"), "two Ann");
    EXPECT_EQ(state.Variables.Get("CAPTION"), "c Ann");
    EXPECT_EQ(state.Variables.Get("XAnn"), "Ann!");
    EXPECT_EQ(platform.repaints, 0);
}

TEST_F(Commands, AppearanceValues) {
    Run("SetBackground", {"300", "-1", "0", "0", "600", "x"});
    EXPECT_EQ(state.BackgroundFrom.Red, 300);
    EXPECT_EQ(state.BackgroundFrom.Green, -1);
    EXPECT_EQ(state.BackgroundTo.Green, 600);
    EXPECT_EQ(state.BackgroundTo.Blue, 0);
    EXPECT_EQ(platform.repaints, 1);

    Run("SetCaptionColor", {"256", "1", "2", "-1", "0", "255"});
    EXPECT_EQ(state.CaptionColor1, 0x020100u);
    EXPECT_EQ(state.CaptionColor2, 0xFF00FFu);

    Run("SetCaptionSize", {"12"});
    Run("SetCaptionPos", {"1", "2", "3", "4"});
    Run("SetRedrawWait", {"500"});
    EXPECT_EQ(state.CaptionSize, 12);
    EXPECT_EQ(state.CaptionPos1.X, 1);
    EXPECT_EQ(state.CaptionPos2.Y, 4);
    EXPECT_EQ(state.RedrawWait, 500);
}

TEST_F(Commands, CreateSectionKeepsTextsAsWritten) {
    state.Variables.Set("A", "x");
    Run("CreateSection", {"Main [A]", "1", "99", "Comment"});
    Run("CreateSection", {"Extra", "abc", "0", ""});
    ASSERT_EQ(state.Sections.size(), 2u);
    EXPECT_EQ(state.Sections[0].Name, "Main [A]");
    EXPECT_EQ(state.Sections[0].MustInstall, 1);
    EXPECT_EQ(state.Sections[0].Comment, "Comment");
    EXPECT_EQ(state.Sections[0].Selected, 0);
    EXPECT_EQ(state.Sections[1].MustInstall, 0);
}

TEST_F(Commands, AddFileExpandsThePatternIntoEntries) {
    state.Variables.Set("SP", "D:\\medium");
    platform.directories["D:\\medium\\files\\*.*"] = {
        {".", true}, {"..", true}, {"a.txt", false}, {".hidden", false}, {"sub", true}, {"b.dll", false}};
    Run("AddFile", {"[SP]\\files\\*.*", "[DP]bin\\", "Main", "2", "70000", "0", "1", "5", "1", "Link"});
    ASSERT_EQ(state.Files.size(), 2u);
    const FileEntry& a = state.Files[0];
    EXPECT_EQ(a.Source, "D:\\medium\\files\\a.txt");
    EXPECT_EQ(a.Destination, "[DP]bin\\a.txt");
    EXPECT_EQ(a.Section, "Main");
    EXPECT_EQ(a.Shared, 1);
    EXPECT_EQ(a.Disk, static_cast<int16_t>(70000 - 65536));
    EXPECT_EQ(a.IsPiece, 0);
    EXPECT_EQ(a.LastPiece, 1);
    EXPECT_EQ(a.Shortcut, 1);
    EXPECT_EQ(a.ShortcutName, "Link");
    EXPECT_EQ(state.Files[1].Source, "D:\\medium\\files\\b.dll");
}

TEST_F(Commands, AddFileWithoutDirectoryPartsOrTrailingBackslash) {
    platform.directories["*.bin"] = {{"one.bin", false}, {"two.bin", false}, {"three.bin", false}};
    Run("AddFile", {"*.bin", "C:\\out\\data", "S", "0", "40000", "1", "0", "0", "0", ""});
    ASSERT_EQ(state.Files.size(), 3u);
    for (const FileEntry& entry : state.Files)
        EXPECT_EQ(entry.Destination, "C:\\out\\data");
    EXPECT_EQ(state.Files[2].Source, "three.bin");
    EXPECT_EQ(state.Files[0].Disk, -25536);
    EXPECT_EQ(state.Files[0].IsPiece, 1);

    Run("AddFile", {"nothing\\*.x", "d\\", "S", "0", "0", "0", "0", "0", "0", ""});
    EXPECT_EQ(state.Files.size(), 3u);
}

TEST_F(Commands, ShowMessageNowOrKeptForPages) {
    state.Variables.Set("APPNAME", "Demo");
    Run("ShowMessage", {"Hello [APPNAME]", "Cap [APPNAME]", "ctl", "NOW"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, "Hello Demo");
    EXPECT_EQ(platform.messages[0].second, "Cap Demo");
    EXPECT_TRUE(state.PageCommands.empty());

    Run("ShowMessage", {"Later [APPNAME]", "c", "[ctl]", "now"});
    ASSERT_EQ(state.PageCommands.size(), 1u);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(state.PageCommands[0].Name, "ShowMessage");
    EXPECT_EQ(state.PageCommands[0].Arguments, (std::vector<std::string>{"Later Demo", "c", "[ctl]", "now"}));
}

TEST_F(Commands, PageRulesAndCheckButtonsAreKeptUnsubstituted) {
    Run("SetNextDynamicState", {"DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "[x]"});
    Run("CheckButton", {"[agree]"});
    ASSERT_EQ(state.PageCommands.size(), 2u);
    EXPECT_EQ(state.PageCommands[0].Arguments[4], "[x]");
    EXPECT_EQ(state.PageCommands[1].Arguments[0], "[agree]");
}

TEST_F(Commands, AddWindowSubstitutesOnlyItsText) {
    state.Variables.Set("T", "text");
    Run("AddWindow", {"DIALOG_WELCOME", "[n]", "CHECKBOX", "My [T]", "0", "10", "20", "110", "40"});
    ASSERT_EQ(state.Controls.size(), 1u);
    const DynamicControl& c = state.Controls[0];
    EXPECT_EQ(c.PageName, "DIALOG_WELCOME");
    EXPECT_EQ(c.Name, "[n]");
    EXPECT_EQ(c.Type, "CHECKBOX");
    EXPECT_EQ(c.Text, "My text");
    EXPECT_EQ(c.Left, 10);
    EXPECT_EQ(c.Bottom, 40);
    EXPECT_EQ(c.Window, nullptr);
}

TEST_F(Commands, PagesRunTheirTemplatesAndEndTheRunUnlessNext) {
    EXPECT_EQ(Run("ShowWelcome", {}), StatementResult::Continue);
    EXPECT_EQ(Run("ShowDest", {}), StatementResult::Continue);
    EXPECT_EQ(Run("ShowSections", {}), StatementResult::Continue);
    EXPECT_EQ(Run("ShowProgramGroup", {}), StatementResult::Continue);
    platform.pageResult = -1;
    EXPECT_EQ(Run("ShowCopy", {}), StatementResult::EndRun);
    platform.pageResult = -2;
    EXPECT_EQ(Run("ShowWelcome", {}), StatementResult::EndRun);
    const std::vector<PageTemplate> expected = {PageTemplate::Welcome, PageTemplate::Dest, PageTemplate::Sections,
                                                PageTemplate::ProgramGroup, PageTemplate::Copy,
                                                PageTemplate::Welcome};
    EXPECT_EQ(platform.pages, expected);
}

// Growing values stop the run at the statement that passes a bound, before
// memory runs out; the ones before it run as ever.
TEST_F(Commands, DoublingStopsAtTheValueBound) {
    ASSERT_EQ(Run("SetVariable", {"A", "0123456789abcdef"}), StatementResult::Continue);
    int doublings = 0;
    while (Run("SetVariable", {"A", "[A][A]"}) == StatementResult::Continue)
        ++doublings;
    EXPECT_EQ(doublings, 16); // 16 bytes doubled 16 times is 1 MiB
    EXPECT_EQ(state.Variables.Get("A").size(), kMaxValueBytes);
    EXPECT_EQ(platform.syntaxErrors, 0);
}

TEST_F(Commands, ChainedGrowthStopsAtTheValueBound) {
    const std::string piece(kMaxValueBytes / 4, 'x');
    int lines = 0;
    while (Run("SetVariable", {"A", "[A]" + piece}) == StatementResult::Continue)
        ++lines;
    EXPECT_EQ(lines, 4);
    // Other arguments that are substituted are bounded alike.
    EXPECT_EQ(Run("ShowMessage", {"[A]!", "c", "", "NOW"}), StatementResult::ValueBound);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Commands, ManyLargeVariablesStopAtTheTotalBound) {
    const std::string value(kMaxValueBytes, 'v');
    size_t variables = 0;
    while (Run("SetVariable", {"V" + std::to_string(variables), value}) == StatementResult::Continue)
        ++variables;
    EXPECT_EQ(variables, kMaxTotalBytes / kMaxValueBytes);
}

TEST(ValueBoundMessage, NamesTheStatementAndItsLine) {
    EXPECT_EQ(ValueBoundMessage("SetVariable", 41),
              "Error in 'SetupScript.INI', line 41 (SetVariable): a value grows beyond 1 MiB, or all variables "
              "together beyond 64 MiB.\nSetup cannot be continued.");
}
