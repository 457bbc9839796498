#include <gtest/gtest.h>

#include "uninstall/RemovalPlan.h"
#include "uninstall/RemovalReport.h"
#include "uninstall/SharedCount.h"

namespace {
ParsedLog LogOf(const std::vector<std::string>& paths) {
    ParsedLog log;
    size_t line = 12;
    for (const std::string& path : paths) {
        LogRecord record;
        record.Path = path;
        record.Line = line;
        line += 2;
        log.Records.push_back(record);
    }
    log.KeyNames = {"Demo"};
    return log;
}

bool NoDirectory(const std::string&) {
    return false;
}
}

TEST(RemovalPlan, RecordPathRules) {
    const std::pair<const char*, PathProblem> cases[] = {
        {"C:\\PROGRA~1\\DEMO\\DEMO.EXE", PathProblem::None},
        {"c:/Program Files/Demo/Read me.txt", PathProblem::None},
        {"C:\\Menu\\\\Group\\Editor.lnk", PathProblem::None},
        {"C:\\Demo\\NUL.txt.bak", PathProblem::Device},
        {"DEMO.EXE", PathProblem::Relative},
        {"C:DEMO.EXE", PathProblem::Relative},
        {"\\WINDOWS\\DEMO.EXE", PathProblem::Relative},
        {"", PathProblem::Relative},
        {"\\\\server\\share\\DEMO.EXE", PathProblem::Network},
        {"//server/share/DEMO.EXE", PathProblem::Network},
        {"\\\\.\\PhysicalDrive0", PathProblem::Device},
        {"\\\\?\\C:\\DEMO.EXE", PathProblem::Device},
        {"C:\\Demo\\com1", PathProblem::Device},
        {"C:\\Demo\\LPT9.txt", PathProblem::Device},
        {"C:\\Demo\\file.txt:stream", PathProblem::Device},
        {"C:\\Demo\\..\\WINDOWS\\WIN.INI", PathProblem::Traversal},
        {"C:\\Demo/../boot.ini", PathProblem::Traversal},
        {"C:\\Demo\\.\\x.txt", PathProblem::Traversal},
        {"C:\\Demo\\...\\x.txt", PathProblem::Traversal},
        {"C:\\Demo\\*.*", PathProblem::Wildcard},
        {"C:\\Demo\\", PathProblem::Directory},
        {"C:\\", PathProblem::Directory},
    };
    for (const auto& [path, problem] : cases)
        EXPECT_EQ(CheckRecordPath(path), problem) << path;
}

TEST(RemovalPlan, ReverseOrderAndRefusalsInLogOrder) {
    const ParsedLog log = LogOf({"C:\\A\\1.TXT", "C:\\A\\DIR", "C:\\A\\2.TXT", "..\\3.TXT", "C:\\A\\4.TXT"});
    const RemovalPlan plan = PlanRemoval(log, [](const std::string& path) { return path == "C:\\A\\DIR"; });
    EXPECT_EQ(plan.Order, (std::vector<size_t>{4, 2, 0}));
    ASSERT_EQ(plan.Refused.size(), 2u);
    EXPECT_EQ(plan.Refused[0].Line, 14u);
    EXPECT_EQ(plan.Refused[0].Problem, PathProblem::Directory);
    EXPECT_EQ(plan.Refused[1].Line, 18u);
    EXPECT_EQ(plan.Refused[1].Problem, PathProblem::Relative);
    EXPECT_TRUE(PlanRemoval(LogOf({}), NoDirectory).Order.empty());
}

TEST(RemovalPlan, DirectoriesDeepestFirstStoppingAtProtectedFolders) {
    const std::vector<std::string> protectedFolders = {
        "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\Program Files", "C:\\PROGRA~1",
        "C:\\WINDOWS\\Start Menu\\Programs", "", "C:\\Users\\Me\\Desktop\\"};
    const std::vector<std::string> files = {
        "C:\\PROGRA~1\\TARVAN~1\\DEMO\\README.TXT",
        "C:\\Program Files\\Tarvane\\Demo\\bin\\DEMO.EXE",
        "C:\\PROGRA~1\\TARVAN~1\\DEMO\\SAMPLE.DAT",
        "c:\\windows\\start menu\\programs\\Tarvane Demo\\Read me.lnk",
        "C:\\WINDOWS\\SYSTEM\\DemoLib.dll",
        "C:\\USERS\\ME\\DESKTOP\\Demo.lnk",
        "D:\\Games\\Demo\\GAME.EXE",
        "E:\\ROOT.TXT",
    };
    // The short and long forms of one directory are different texts to this
    // rule; the removal of the empty directory under either name is the same.
    EXPECT_EQ(DirectoriesToTry(files, protectedFolders),
              (std::vector<std::string>{
                  "C:\\Program Files\\Tarvane\\Demo\\bin",
                  "c:\\windows\\start menu\\programs\\Tarvane Demo",
                  "C:\\PROGRA~1\\TARVAN~1\\DEMO",
                  "C:\\Program Files\\Tarvane\\Demo",
                  "C:\\PROGRA~1\\TARVAN~1",
                  "C:\\Program Files\\Tarvane",
                  "D:\\Games\\Demo",
                  "D:\\Games",
              }));
    EXPECT_TRUE(SamePath("c:/windows//SYSTEM\\", "C:\\WINDOWS\\SYSTEM"));
    EXPECT_FALSE(SamePath("C:\\WINDOWS\\SYSTEM32", "C:\\WINDOWS\\SYSTEM"));
}

TEST(SharedCount, InstallRaisesAndUninstallLowers) {
    EXPECT_EQ(CountAfterInstall({CountValueKind::Missing, 0}, false), 1u);
    EXPECT_EQ(CountAfterInstall({CountValueKind::Missing, 0}, true), 2u);
    EXPECT_EQ(CountAfterInstall({CountValueKind::Number, 0}, true), 1u);
    EXPECT_EQ(CountAfterInstall({CountValueKind::Number, 4}, true), 5u);
    EXPECT_EQ(CountAfterInstall({CountValueKind::Number, 0xFFFFFFFFu}, true), 0xFFFFFFFFu);
    EXPECT_FALSE(CountAfterInstall({CountValueKind::OtherType, 0}, true));

    const SharedRelease others = ReleaseSharedCount({CountValueKind::Number, 3});
    EXPECT_EQ(others.Verdict, ReleaseVerdict::OthersRemain);
    EXPECT_EQ(others.Remaining, 2u);
    EXPECT_EQ(ReleaseSharedCount({CountValueKind::Number, 1}).Verdict, ReleaseVerdict::LastUser);
    EXPECT_EQ(ReleaseSharedCount({CountValueKind::Number, 0}).Verdict, ReleaseVerdict::LastUser);
    EXPECT_EQ(ReleaseSharedCount({CountValueKind::Missing, 0}).Verdict, ReleaseVerdict::Uncounted);
    EXPECT_EQ(ReleaseSharedCount({CountValueKind::OtherType, 0}).Verdict, ReleaseVerdict::Uncounted);
}

TEST(RemovalReport, ExitCodesAndFinalText) {
    RemovalReport clean;
    clean.Note(RemovalOutcome::Removed, "C:\\A.TXT");
    EXPECT_EQ(clean.Exit(), UninstallExit::Removed);
    EXPECT_EQ(clean.FinalText("Demo"), "Demo has been removed from your computer.");

    RemovalReport restart;
    restart.Note(RemovalOutcome::Kept, "C:\\WINDOWS\\SYSTEM\\X.DLL", "shared, still used by other programs");
    restart.Note(RemovalOutcome::Scheduled, "C:\\A.EXE", "in use");
    EXPECT_TRUE(restart.Complete());
    EXPECT_EQ(restart.Exit(), UninstallExit::RestartNeeded);
    EXPECT_EQ(restart.FinalText("Demo"),
              "Demo has been removed from your computer.\n\nKept:\nC:\\WINDOWS\\SYSTEM\\X.DLL (shared, still used by "
              "other programs)\n\nDeleted when Windows restarts:\nC:\\A.EXE (in use)\n\nRestart Windows to complete "
              "the removal.");

    RemovalReport failed;
    for (int i = 0; i < 17; ++i)
        failed.Note(RemovalOutcome::Failed, "C:\\F" + std::to_string(i), "Access denied");
    failed.Note(RemovalOutcome::Scheduled, "C:\\A.EXE");
    EXPECT_FALSE(failed.Complete());
    EXPECT_EQ(failed.Exit(), UninstallExit::RefusedOrFailed);
    const std::string text = failed.FinalText("Demo");
    EXPECT_NE(text.find("C:\\F14 (Access denied)\n... and 2 more"), std::string::npos) << text;
    EXPECT_EQ(text.find("C:\\F15"), std::string::npos);
}
