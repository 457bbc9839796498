#include <gtest/gtest.h>

#include "run/ExitCodes.h"
#include "run/RunLogText.h"
#include "run/SetupSwitches.h"
#include "install/InstallResult.h"

namespace {

struct Accepted {
    std::vector<std::string> Arguments;
    RunMode Mode;
    std::optional<std::string> Directory;
    LogTarget Log;
    std::string LogFile;
};

TEST(SetupSwitches, AcceptsCasePrefixesQuotesAndOrder) {
    const std::string app = "C:\\Program Files\\My App\\";
    const Accepted cases[] = {
        {{}, RunMode::Interactive, std::nullopt, LogTarget::None, ""},
        {{"/VERYSILENT"}, RunMode::VerySilent, std::nullopt, LogTarget::None, ""},
        {{"-quiet"}, RunMode::VerySilent, std::nullopt, LogTarget::None, ""},
        {{"/Silent"}, RunMode::Silent, std::nullopt, LogTarget::None, ""},
        {{"-PASSIVE", "/log"}, RunMode::Silent, std::nullopt, LogTarget::DefaultName, ""},
        {{"/verysilent", "/SILENT"}, RunMode::VerySilent, std::nullopt, LogTarget::None, ""},
        {{"/DIR=\"C:\\Program Files\\My App\""}, RunMode::Interactive, app, LogTarget::None, ""},
        {{"\"/DIR=C:\\Program Files\\My App\""}, RunMode::Interactive, app, LogTarget::None, ""},
        {{"/dir=C:\\Program Files\\My App\\"}, RunMode::Interactive, app, LogTarget::None, ""},
        // A final backslash before the closing quote escapes it in the C runtime's rules.
        {{"/DIR=C:\\Program Files\\My App\\\""}, RunMode::Interactive, app, LogTarget::None, ""},
        {{"/LOG=C:\\logs\\a b.txt", "/NORESTART", "/SUPPRESSMSGBOXES", "/sp-", "/QUIET", "-Dir=\\\\srv\\share"},
         RunMode::VerySilent, "\\\\srv\\share\\", LogTarget::File, "C:\\logs\\a b.txt"},
    };
    for (const Accepted& c : cases) {
        const SwitchReading reading = ReadSwitches(c.Arguments, SwitchSet::Setup);
        const std::string where = c.Arguments.empty() ? "(none)" : c.Arguments[0];
        EXPECT_TRUE(reading.Accepted()) << where << " refused " << reading.Refused;
        EXPECT_EQ(reading.Switches.Mode, c.Mode) << where;
        EXPECT_EQ(reading.Switches.Directory, c.Directory) << where;
        EXPECT_EQ(reading.Switches.Log, c.Log) << where;
        EXPECT_EQ(reading.Switches.LogFile, c.LogFile) << where;
    }
}

TEST(SetupSwitches, GroupIconsSectionsAndHelp) {
    const SwitchReading reading =
        ReadSwitches({"/GROUP=\"My Group\"", "/NoIcons", "/SECTIONS=Main,,\"Extra Files\"", "/?"}, SwitchSet::Setup);
    ASSERT_TRUE(reading.Accepted());
    EXPECT_EQ(reading.Switches.Group, "My Group");
    EXPECT_TRUE(reading.Switches.NoIcons);
    EXPECT_EQ(reading.Switches.Sections, (std::vector<std::string>{"Main", "Extra Files"}));
    EXPECT_TRUE(reading.Switches.Help);
    EXPECT_EQ(ReadSwitches({"/SECTIONS="}, SwitchSet::Setup).Switches.Sections, std::vector<std::string>{});
    EXPECT_TRUE(ReadSwitches({"-HELP"}, SwitchSet::Uninstaller).Switches.Help);
    EXPECT_FALSE(reading.Switches.AllowDowngrade);
    EXPECT_TRUE(ReadSwitches({"-allowdowngrade", "/QUIET"}, SwitchSet::Setup).Switches.AllowDowngrade);
    // The /? box names the switch and its exit code for setup.exe only.
    EXPECT_NE(UsageText(SwitchSet::Setup).find("/ALLOWDOWNGRADE"), std::string::npos);
    EXPECT_NE(UsageText(SwitchSet::Setup).find("1638 a newer version is installed"), std::string::npos);
    EXPECT_EQ(UsageText(SwitchSet::Uninstaller).find("DOWNGRADE"), std::string::npos);
}

TEST(SetupSwitches, RefusesAnythingElseAndKeepsTheRest) {
    const std::vector<std::string> refused[] = {
        {"/VERYSILNET"}, {"install"}, {"/"}, {""}, {"SILENT"}, {"/SILENT=1"}, {"/DIR"}, {"/DIR="},
        {"/DIR=relative\\path"}, {"/DIR=C:"}, {"/DIR=\\\\"}, {"/GROUP="}, {"/LOG="}, {"/NOICONS=yes"},
        {"/QUIET", "/SECTION=Main"}, {"//SILENT"}, {"/ALLOWDOWNGRADE=1"},
        // Forms that reach the system unchecked, and names the system would shorten.
        {"/DIR=\\\\?\\C:\\Apps"}, {"/DIR=\\\\.\\C:\\Apps"}, {"/DIR=//?/C:/Apps"}, {"/DIR=C:\\Apps\\Demo."},
        {"/DIR=C:\\Apps\\Demo \\"}, {"/DIR=C:\\Apps. \\Demo"}, {"/DIR=C:\\Apps\\..."},
    };
    for (const auto& arguments : refused)
        EXPECT_FALSE(ReadSwitches(arguments, SwitchSet::Setup).Accepted()) << arguments.back();

    const SwitchReading reading = ReadSwitches({"/LOG=x.txt", "bogus", "/VERYSILENT", "/also"}, SwitchSet::Setup);
    EXPECT_EQ(reading.Refused, "bogus");
    EXPECT_EQ(reading.Switches.Mode, RunMode::VerySilent);
    EXPECT_EQ(reading.Switches.LogFile, "x.txt");
    EXPECT_EQ(ReadSwitches({""}, SwitchSet::Setup).Refused, "\"\"");

    // Dots inside a name, and "." and ".." components, mean what they say.
    for (const char* meant : {"/DIR=C:\\Apps\\..\\Games", "/DIR=C:\\v1.2\\.\\x", "/DIR=\\\\srv.lan\\share"})
        EXPECT_TRUE(ReadSwitches({meant}, SwitchSet::Setup).Accepted()) << meant;

    // The uninstaller takes only the mode and the log.
    for (const char* setupOnly : {"/DIR=C:\\A", "/GROUP=G", "/NOICONS", "/SECTIONS=A", "/ALLOWDOWNGRADE"})
        EXPECT_FALSE(ReadSwitches({setupOnly}, SwitchSet::Uninstaller).Accepted()) << setupOnly;
    EXPECT_TRUE(ReadSwitches({"/quiet", "/LOG=u.txt", "/norestart"}, SwitchSet::Uninstaller).Accepted());
}

TEST(SetupSwitches, SilentModesAlwaysLog) {
    RunSwitches switches;
    EXPECT_EQ(EffectiveLogTarget(switches), LogTarget::None);
    switches.Mode = RunMode::Silent;
    EXPECT_EQ(EffectiveLogTarget(switches), LogTarget::DefaultName);
    switches.Log = LogTarget::File;
    EXPECT_EQ(EffectiveLogTarget(switches), LogTarget::File);
}

TEST(ExitCodes, InteractiveStaysZeroSilentTellsWhatHappened) {
    const RunEnd restart{false, false, true};
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, restart), ExitNormal);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, RunEnd{true, true, false}), ExitNormal);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Silent, RunEnd{}), ExitNormal);
    EXPECT_EQ(ExitCodeOfRun(RunMode::VerySilent, restart), 3010);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Silent, RunEnd{true, true, true}), 1602);
    EXPECT_EQ(ExitCodeOfRun(RunMode::VerySilent, RunEnd{false, true, true}), 1603);
    EXPECT_EQ(ExitCodeOfRun(RunMode::VerySilent, RunEnd{true, true, true, true}), 1639);
    RunEnd newer;
    newer.NewerInstalled = true;
    EXPECT_EQ(ExitCodeOfRun(RunMode::Silent, newer), 1638);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, newer), ExitNormal);
    EXPECT_STREQ(ExitCodeMeaning(1638), "a newer version is installed");
    RunEnd missingFile;
    missingFile.RestartNeeded = true;
    missingFile.FileNotInstalled = true;
    EXPECT_EQ(ExitCodeOfRun(RunMode::VerySilent, missingFile), 1603);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, missingFile), ExitNormal);
    RunEnd noLog;
    noLog.NoUninstallLog = true;
    EXPECT_EQ(ExitCodeOfRun(RunMode::Silent, noLog), 1603);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, noLog), ExitNormal);
}

TEST(RunLogText, LinesNamesAndResultBits) {
    const LogTime time{2026, 3, 7, 9, 5, 4, 12};
    EXPECT_EQ(RunLogLine(time, "Started"), "2026-03-07 09:05:04.012  Started\r\n");
    EXPECT_EQ(RunLogLine(time, "a\r\nb\nc\r"), "2026-03-07 09:05:04.012  a / b / c / \r\n");
    EXPECT_EQ(DefaultRunLogName(time, 1), "Tarvane Setup Log 2026-03-07 #001.txt");
    EXPECT_EQ(DefaultRunLogName(time, 1234), "Tarvane Setup Log 2026-03-07 #1234.txt");
    EXPECT_EQ(ResultCodeText(0x80004005u), "0x80004005");
    EXPECT_EQ(ResultCodeText(1), "0x00000001");
    EXPECT_EQ(VerInstallBitNames(0), "0");
    EXPECT_EQ(VerInstallBitNames(0x6), "VIF_MISMATCH|VIF_SRCOLD");
    EXPECT_EQ(VerInstallBitNames(0x1201), "VIF_TEMPFILE|VIF_ACCESSVIOLATION|VIF_CANNOTDELETE");
    EXPECT_EQ(VerInstallBitNames(0x80000000u | 0x10), "VIF_DIFFCODEPG|0x80000000");
    EXPECT_STREQ(InstallVerdictText(InstallVerdict::Force), "installed anyway (forced)");
}

} // namespace
