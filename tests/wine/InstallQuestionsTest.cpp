// The language dialog (115) and the overwrite question (116): what they
// show, who owns them, which button gives which answer, and that Escape and
// the close command never answer for the user (their code would read as
// "Install all" or "Overwrite every file").
#include <windows.h>

#include <gtest/gtest.h>

#include "install/InstallQuestions_win.h"
#include "resources/resource.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/InstallVersionedFileTestSupport.h"
#include "wizard/ProcessState_win.h"

using namespace install_test;

namespace {

const std::vector<int> kLanguageFields = {IDC_CONFLICT_DEST_PATH,     IDC_CONFLICT_DEST_LANGUAGE,
                                          IDC_CONFLICT_DEST_CODEPAGE, IDC_CONFLICT_SOURCE_PATH,
                                          IDC_CONFLICT_SOURCE_LANGUAGE, IDC_CONFLICT_SOURCE_CODEPAGE};

class LanguageConflictDialog : public ::testing::Test {
protected:
    ScratchDirectory application_;
    EngineState engine_{application_.Path()};

    void SetUp() override {
        TheState().CurrentSourcePath = FixturePath("german.dll");
        TheState().CurrentDestPath = FixturePath("ver20.dll");
    }
};

TEST_F(LanguageConflictDialog, ShowsBothFilesAndIgnoresEscapeUntilInstallAll) {
    DialogWatcher watcher({DialogAnswer{IDC_CONFLICT_INSTALL_ALL, true, nullptr}}, kLanguageFields);

    EXPECT_EQ(ShowLanguageConflict(), LanguageAnswer::InstallAll);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Different languages/codepages");
    EXPECT_EQ(seen[0].Owner, engine_.MainWindow());
    EXPECT_TRUE(seen[0].StayedOpenAfterCancel);
    EXPECT_EQ(seen[0].DefaultButton, IDC_CONFLICT_YES);
    const auto& fields = seen[0].Fields;
    EXPECT_EQ(fields.at(IDC_CONFLICT_SOURCE_PATH), FixturePath("german.dll"));
    EXPECT_EQ(fields.at(IDC_CONFLICT_SOURCE_LANGUAGE), "German");
    EXPECT_EQ(fields.at(IDC_CONFLICT_SOURCE_CODEPAGE), "1252");
    EXPECT_EQ(fields.at(IDC_CONFLICT_DEST_PATH), FixturePath("ver20.dll"));
    EXPECT_EQ(fields.at(IDC_CONFLICT_DEST_LANGUAGE), "English");
    EXPECT_EQ(fields.at(IDC_CONFLICT_DEST_CODEPAGE), "1252");
    EXPECT_EQ(TheState().InstallAll, 1);
}

TEST_F(LanguageConflictDialog, YesAndNoLeaveInstallAllAlone) {
    DialogWatcher watcher(Clicks({IDC_CONFLICT_YES, IDC_CONFLICT_NO}));

    EXPECT_EQ(ShowLanguageConflict(), LanguageAnswer::Yes);
    EXPECT_EQ(ShowLanguageConflict(), LanguageAnswer::No);

    EXPECT_EQ(watcher.Finish().size(), 2u);
    EXPECT_EQ(TheState().InstallAll, 0);
}

TEST_F(LanguageConflictDialog, FileWithoutVersionLeavesItsFieldsEmpty) {
    TheState().CurrentDestPath = FixturePath("plain.dat");
    DialogWatcher watcher(Clicks({IDC_CONFLICT_NO}), kLanguageFields);

    ShowLanguageConflict();

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Fields.at(IDC_CONFLICT_DEST_PATH), FixturePath("plain.dat"));
    EXPECT_EQ(seen[0].Fields.at(IDC_CONFLICT_DEST_LANGUAGE), "");
    EXPECT_EQ(seen[0].Fields.at(IDC_CONFLICT_DEST_CODEPAGE), "");
    EXPECT_EQ(seen[0].Fields.at(IDC_CONFLICT_SOURCE_LANGUAGE), "German");
}

class OverwriteQuestion : public ::testing::Test {
protected:
    ScratchDirectory application_;
    EngineState engine_{application_.Path()};

    void SetUp() override { TheState().CurrentDestPath = application_.PathOf("Existing File.txt"); }
};

TEST_F(OverwriteQuestion, ShowsDestinationOnCopyPageAndIgnoresEscape) {
    DialogWatcher watcher({DialogAnswer{IDC_OVERWRITE_NO, true, nullptr}}, {IDC_OVERWRITE_PATH});

    EXPECT_EQ(AskOverwrite(), OverwriteAnswer::No);

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Overwrite file");
    EXPECT_EQ(seen[0].Owner, engine_.CopyPage());
    EXPECT_TRUE(seen[0].StayedOpenAfterCancel);
    EXPECT_EQ(seen[0].DefaultButton, IDC_OVERWRITE_YES);
    EXPECT_EQ(seen[0].Fields.at(IDC_OVERWRITE_PATH), application_.PathOf("Existing File.txt"));
    EXPECT_EQ(TheState().InstallAll, 0);
}

TEST_F(OverwriteQuestion, EveryButtonGivesItsAnswer) {
    DialogWatcher watcher(Clicks({IDC_OVERWRITE_YES, IDC_OVERWRITE_ALL}));

    EXPECT_EQ(AskOverwrite(), OverwriteAnswer::Yes);
    EXPECT_EQ(TheState().InstallAll, 0);
    EXPECT_EQ(AskOverwrite(), OverwriteAnswer::OverwriteEveryFile);
    // Overwrite every file also stops later language questions.
    EXPECT_EQ(TheState().InstallAll, 1);
    EXPECT_EQ(watcher.Finish().size(), 2u);
}

}
