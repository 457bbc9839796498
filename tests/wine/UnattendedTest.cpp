// The silent answers: in a silent run no question shows a window, each
// answer is the documented one and lands in the log with the question's
// text; a default log never overwrites an earlier one; a run that ends
// without a file it was to install has failed, and its log says why.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "install/DiskPromptBoxes_win.h"
#include "install/InstallQuestions_win.h"
#include "install/RestartReplace_win.h"
#include "tests/wine/InstallTestSupport.h"
#include "wizard/ProcessState_win.h"
#include "windows/QuitSetup_win.h"
#include "windows/Unattended_win.h"

using namespace install_test;

namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class SilentRun : public ::testing::Test {
protected:
    ScratchDirectory folder_;

    void SetUp() override {
        TheRun() = UnattendedRun{};
        TheRun().Switches.Mode = RunMode::VerySilent;
        ASSERT_TRUE(TheRun().Log.OpenNamed(folder_.PathOf("run.txt")));
        TheState().CurrentDestPath = "C:\\app\\a.dll";
        TheState().CurrentSourcePath = "D:\\a.dll";
    }
    void TearDown() override {
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // QuitSetup posts one
        TheRun() = UnattendedRun{};
    }
};

TEST_F(SilentRun, AnswersWithoutWindowsAndLogsEachQuestion) {
    EXPECT_EQ(AskUser(nullptr, "Install anyway?\nReally?", "a.dll", MB_YESNO, IDNO), IDNO);
    EXPECT_EQ(AskOverwrite(), OverwriteAnswer::OverwriteEveryFile);
    EXPECT_EQ(ShowLanguageConflict(), LanguageAnswer::No);
    EXPECT_EQ(AskForDiskBox("Please insert disk 2", "b.txt"), DiskPromptButton::Abort);
    EXPECT_TRUE(ConfirmQuitBox("Quit?", "Quit setup"));
    EXPECT_TRUE(TheRun().End.Failed) << "a disk nobody can insert stops a silent run";
    EXPECT_TRUE(QuitSetup(QuitMode::Ask)) << "Cancel of /SILENT stops without a question";
    EXPECT_TRUE(TheRun().End.Cancelled);

    const std::string log = FileText(folder_.PathOf("run.txt"));
    for (const char* line : {"Message \"a.dll\": Install anyway? / Really? -> No (silent answer)\r\n",
                             "C:\\app\\a.dll exists; overwrite it? -> Overwrite every file (silent answer)\r\n",
                             "-> No, the existing file is kept (silent answer)\r\n",
                             "Message \"b.txt\": Please insert disk 2 -> Abort (silent answer)\r\n",
                             "Message \"Quit setup\": Quit? -> Yes (silent answer)\r\n", "The user quit setup\r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\nin\n" << log;
}

TEST_F(SilentRun, DefaultLogsNeverOverwriteEachOther) {
    RunLogFile first, second;
    ASSERT_TRUE(first.OpenNew());
    ASSERT_TRUE(second.OpenNew());
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_NE(first.Path().find("Tarvane Setup Log "), std::string::npos);
    first.Write("kept");
    const std::string firstPath = first.Path(), secondPath = second.Path();
    first = RunLogFile{};
    second = RunLogFile{};
    EXPECT_NE(FileText(firstPath).find("  kept\r\n"), std::string::npos);
    DeleteFileA(firstPath.c_str());
    DeleteFileA(secondPath.c_str());
}

TEST_F(SilentRun, AnExplicitLogThatCannotBeWrittenIsRefused) {
    RunLogFile log;
    EXPECT_FALSE(log.OpenNamed(folder_.PathOf("no such folder\\log.txt")));
    log.Write("nothing happens");
    EXPECT_FALSE(log.IsOpen());
}

TEST_F(SilentRun, AFileLeftOutFailsTheRunAndTheLogSaysWhy) {
    // Files without version information: nothing can decide a replacement.
    const std::string source = folder_.PathOf("new.txt"), inUse = folder_.PathOf("in use.txt");
    ASSERT_TRUE(WriteTextFile(source, "new"));
    ASSERT_TRUE(WriteTextFile(inUse, "old"));
    EXPECT_FALSE(TheRun().End.FileNotInstalled);
    EXPECT_EQ(ReplaceFileAtRestart(source, inUse, "NEW.TXT"), RestartReplacement::NoVersionInfo);
    EXPECT_TRUE(TheRun().End.FileNotInstalled);
    EXPECT_FALSE(TheRun().End.RestartNeeded) << "nothing was scheduled";
    EXPECT_EQ(EndRun(ExitCodeOfRun(RunMode::VerySilent, TheRun().End)), ExitFailed);
    EXPECT_EQ(ExitCodeOfRun(RunMode::Interactive, TheRun().End), ExitNormal);

    NoteNoUninstallLog("C:\\app\\Uninstall.log cannot be created");
    EXPECT_EQ(EndRun(ExitCodeOfRun(RunMode::VerySilent, TheRun().End)), ExitFailed);

    const std::string log = FileText(folder_.PathOf("run.txt"));
    for (const std::string& line :
         {"Not installed: " + inUse + " (in use, and without version information it is not replaced at the restart)",
          std::string("End: completed, restart needed: no, exit code 1603 (failed)"),
          std::string("Failed because a file was not installed (its line above says which and why)"),
          std::string("No complete uninstall log: C:\\app\\Uninstall.log cannot be created"),
          std::string("Failed because the installation has no complete uninstall log and cannot be removed")})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\nin\n" << log;
}

} // namespace
