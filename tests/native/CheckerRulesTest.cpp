#include <gtest/gtest.h>

#include "CheckerTestSupport.h"

namespace {

struct RuleCase {
    const char* code;
    std::string script;
    std::vector<std::string> findings; // "CODE line:column"
    std::string suggestion = "";        // of the first finding
};

// AddFile with the usual arguments but for the ones a case changes.
std::string AddFile(const std::string& source, const std::string& destination, const std::string& section,
                    const std::string& disk = "1", const std::string& piece = "0", const std::string& last = "0",
                    const std::string& shortcut = "0", const std::string& name = "") {
    return "AddFile(\"" + source + "\",\"" + destination + "\",\"" + section + "\",\"0\",\"" + disk + "\",\"" + piece +
           "\",\"" + last + "\",\"0\",\"" + shortcut + "\",\"" + name + "\")\n";
}

const std::string kLabel = "AddWindow(\"DIALOG_WELCOME\",\"c\",\"LABEL\",\"t\",\"0\",\"0\",\"0\",\"9\",\"9\")\n";
const std::string kCheckBox = "AddWindow(\"DIALOG_WELCOME\",\"c\",\"CHECKBOX\",\"t\",\"0\",\"0\",\"0\",\"9\",\"9\")\n";
const std::string kSection = "CreateSection(\"Main\",\"1\",\"0\",\"\")\n";
const std::string kUninstaller = AddFile("[SP]\\TAUninstall.exe", "[DP]", "Main");

// A value of 16 bytes that doubles on each further line: line 17 holds
// 1 MiB, line 18 would hold 2.
std::string Doubling() {
    std::string script = "SetVariable(\"A\",\"0123456789abcdef\")\n";
    for (int line = 2; line <= 20; ++line)
        script += "SetVariable(\"A\",\"[A][A]\")\n";
    return script;
}

const RuleCase kCases[] = {
    {"R001", "SetCaption(\"open\n", {"R001 1:12"}},
    {"R002", "SetCaption(\"a\"", {"R002 1:11"}},
    {"R003", "SetRedrawWait(\"5\" ms)", {"R003 1:19"}},
    {"R003", "SetAppName (\"x\")", {"S102 1:1", "R003 1:12", "S101 1:14", "R003 1:15"}},
    {"R004", "SetCaption(\"a\")\n\x1AShowCopy()", {"R004 2:1"}},
    // Only the first such byte is named; the mark itself is no skipped text.
    {"R005", "SetCaption(\"a\")\nSetAppName(\"Caf\xE9 \xB4\")", {"R005 2:16"}},
    {"R005", "\xEF\xBB\xBFSetAppName(\"Caf\xC3\xA9\")", {}},
    {"S101", "setappname(\"x\")", {"S101 1:1"}, "SetAppName"},
    {"S101", "ShowDestination()", {"S101 1:1"}, "ShowDest"},
    {"S102", "\n  ShowWelcome(\"\")", {"S102 2:3"}},
    {"S103", "SetRedrawWait(\"12px\")", {"S103 1:15"}},
    {"S104", "SetCaptionColor(\"0\",\"0\",\"0\",\"0\",\"0\",\"300\")", {"S104 1:37"}},
    {"S104", "SetCaptionSize(\"99999999999\")", {"S104 1:16"}},
    {"S104", "SetCaptionSize(\" -2147483649\")\nSetCaptionSize(\"-2147483648 \")", {"S104 1:16"}},
    {"V201", "SetCaption(\"Setup of [APPNAM]\")", {"V201 1:22"}, "APPNAME"},
    {"V201", "SetCaption(\"a\n\"\"[X]\")", {"V201 2:3"}},
    {"V201", kSection + kUninstaller + AddFile("[SP]\\a.txt", "[DIR]\\", "Main") + "ShowCopy()\nSetVariable(\"DIR\",\"C:\\\")",
     {"V201 3:23"}},
    {"V202", "SetVariable(\"A\",\"[B\")\nSetVariable(\"B\",\"[A\")\nSetCaption(\"[A]]]\")", {"V202 3:13"}},
    {"V203", "SetVariable(\"SP\",\"x\")", {"V203 1:13"}},
    {"V204", "SetVariable(\"DP\",\"Games\")\nSetVariable(\"DP\",\"[WINPATH]\\Games\")",
     {"V203 1:13", "V204 1:18", "V203 2:13"}},
    {"V206", "SetAppVersion(\"2.1 beta\")\nSetVariable(\"V\",\"3\")\nSetAppVersion(\"[V]..1\")\nSetAppVersion(\"[V].1\")",
     {"V206 1:15", "V206 3:15"}},
    // Setup stops at the bound, and so does the check: lines 19 and 20 say nothing.
    {"V205", Doubling(), {"V205 18:1"}},
    {"P301", "AddWindow(\"WELCOME\",\"c\",\"LABEL\",\"t\",\"0\",\"0\",\"0\",\"9\",\"9\")\nShowWelcome()", {"P301 1:11"},
     "DIALOG_WELCOME"},
    {"P302", "CheckButton(\"agre\")\n" + kCheckBox + "ShowWelcome()", {"P302 1:13"}},
    {"P302", kCheckBox + "SetNextDynamicState(\"DIALOG_DEST\",\"CONTROL\",\"c\",\"VALUE\",\"1\")\nShowDest()",
     {"P303 1:11", "P302 2:45"}},
    {"P303", kLabel + "ShowDest()", {"P303 1:11"}},
    {"P303", "ShowWelcome()\nSetNextDynamicState(\"DIALOG_WELCOME\",\"VARIABLE\",\"SP\",\"x\",\"\")", {"P303 2:21"}},
    {"P304", "AddWindow(\"DIALOG_WELCOME\",\"c\",\"checkbox\",\"t\",\"0\",\"0\",\"0\",\"9\",\"9\")\nShowWelcome()",
     {"P304 1:32"}, "CHECKBOX"},
    {"P305",
     kCheckBox + "SetNextDynamicState(\"DIALOG_WELCOME\",\"CONTROL\",\"c\",\"VALUE\",\"1\")\n"
                 "SetNextDynamicState(\"DIALOG_WELCOME\",\"VARIABLE\",\"SP\",\"x\",\"\")\nShowWelcome()\n"
                 "SetNextDynamicState(\"DIALOG_WELCOME\",\"VARIABLE\",\"DP\",\"x\",\"\")\nShowWelcome()",
     {"P305 2:1"}},
    {"P306", kLabel + "ShowMessage(\"m\",\"c\",\"c\",\"now\")\nShowWelcome()", {"P306 2:25"}, "NOW"},
    {"P306", kLabel + "ShowMessage(\"m\",\"c\",\"c\",\"COMMAND\")\nShowWelcome()", {"P306 2:21"}},
    {"P307", kCheckBox + "SetNextDynamicState(\"DIALOG_WELCOME\",\"CONTROL\",\"c\",\"CHECKED\",\"1\")\nShowWelcome()",
     {"P307 2:52"}},
    {"P307", "SetNextDynamicState(\"DIALOG_COPY\",\"VARIABLE\",\"SP\",\"x\",\"\")\n" + kSection + kUninstaller + "ShowCopy()",
     {"P307 1:21"}},
    {"F401", kSection + kUninstaller + AddFile("[SP]\\a.txt", "[DP]", "main"), {"F401 3:29"}, "Main"},
    {"F402", kSection + "CreateSection(\"Empty\",\"0\",\"0\",\"\")\n" + kUninstaller, {"F402 2:15"}},
    {"F403", kSection + kUninstaller + AddFile("[SP]\\*.dat", "[DP]", "Main"), {"F403 3:9"}},
    {"F404",
     kSection + kUninstaller + AddFile("[SP]\\a.1", "[DP]a", "Main", "1", "1") +
         AddFile("[SP]\\a.2", "[DP]a", "Main", "3", "1", "1"),
     {"F404 4:39"}},
    {"F404", kSection + kUninstaller + AddFile("[SP]\\a.1", "[DP]a", "Main", "1", "1"), {"F404 3:43"}},
    {"F405", kSection + kUninstaller + AddFile("[SP]\\a.txt", "bin\\a.txt", "Main"), {"F405 3:22"}},
    {"F406", kSection + kUninstaller + AddFile("[SP]\\a.txt", "[DP]", "Main", "1", "0", "0", "1"), {"F406 3:60"}},
    {"F407", kSection + AddFile("[SP]\\a.txt", "[DP]", "Main") + "ShowCopy()", {"F407 3:1"}},
};

} // namespace

TEST(CheckerRules, EachCodeOnAMinimalScript) {
    const std::set<std::string> medium = {"a.txt", "a.1", "a.2", "TAUninstall.exe"};
    for (const RuleCase& rule : kCases) {
        SCOPED_TRACE(std::string(rule.code) + " on:\n" + rule.script);
        const std::vector<Diagnostic> found = CheckText(rule.script, medium);
        EXPECT_EQ(Findings(found), rule.findings);
        if (!found.empty()) {
            EXPECT_EQ(found[0].Suggestion, rule.suggestion);
        }
    }
}

// The build lays setup.exe and the uninstaller on the medium: before it
// has (no setup.exe) the uninstaller is not looked for; after, it must be there.
TEST(CheckerRules, AssembledMediumNeedsTheUninstaller) {
    const std::string script = kSection + kUninstaller + "ShowCopy()";
    EXPECT_EQ(Findings(CheckText(script, {})), std::vector<std::string>());
    EXPECT_EQ(Findings(CheckText(script, {"setup.exe"})), std::vector<std::string>{"F403 2:9"});
    EXPECT_EQ(Findings(CheckText(script, {"setup.exe", "TAUninstall.exe"})), std::vector<std::string>());
}

TEST(CheckerRules, EveryCodeHasACase) {
    for (const CodeInfo& info : AllCodes()) {
        bool covered = false;
        for (const RuleCase& rule : kCases)
            covered = covered || std::string(rule.code) == info.Code;
        EXPECT_TRUE(covered) << info.Code;
    }
}

TEST(CheckerRules, ACorrectScriptChecksClean) {
    const std::string script =
        "// every command, as meant\n"
        "SetAppName(\"Demo\")\nSetAppVersion(\"2.1.0\")\nSetDeveloperName(\"Me\")\nSetVariable(\"LICENSE\", \"[APPNAME] licence\")\n"
        "SetWelcomeString(\"[LICENSE]\", \"Welcome\")\nSetWelcomeString2(\"x\")\nSetCaption(\"[APPNAME]\")\n"
        "SetCaptionColor(\"255\",\"255\",\"255\",\"0\",\"0\",\"0\")\nSetCaptionSize(\"40\")\n"
        "SetCaptionPos(\"1\",\"2\",\"3\",\"4\")\nSetRedrawWait(\"0\")\nSetBackground(\"0\",\"0\",\"255\",\"0\",\"0\",\"0\")\n" +
        kCheckBox + "AddWindow(\"DIALOG_WELCOME\",\"b\",\"BUTTON\",\"Licence\",\"0\",\"0\",\"20\",\"9\",\"29\")\n" +
        "CheckButton(\"c\")\nShowMessage(\"[LICENSE]\",\"Licence\",\"b\",\"COMMAND\")\n"
        "SetNextDynamicState(\"DIALOG_WELCOME\",\"CONTROL\",\"c\",\"VALUE\",\"1\")\n" + kSection +
        kUninstaller + AddFile("files\\*.txt", "[DP]docs\\", "Main", "1", "0", "0", "1", "Docs") +
        AddFile("[SP]\\disk1\\a.1", "[DP]a.dat", "Main", "1", "1") +
        AddFile("[SP]\\disk2\\a.2", "[DP]a.dat", "Main", "2", "1", "1") +
        "ShowWelcome()\nShowDest()\nShowSections()\nShowProgramGroup()\nShowCopy()\n"
        "ShowMessage(\"Done: [DP]\",\"[APPNAME]\",\"\",\"NOW\")\n";
    const std::vector<Diagnostic> found =
        CheckText(script, {"TAUninstall.exe", "files\\a.txt", "disk1\\a.1", "disk2\\a.2"});
    EXPECT_EQ(Findings(found), std::vector<std::string>());
}
