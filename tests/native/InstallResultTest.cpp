#include <gtest/gtest.h>

#include <deque>

#include "install/InstallResult.h"

namespace {
using namespace VerInstallBit;

const std::string Caption = "MYLIBR~1.DLL";
const std::string QuitText = "Are you really sure to quit setup? The application will be deleted if you click on Yes";

// Plays the user: answers come from scripted queues, and everything shown or
// asked is recorded as one line "kind|text|caption".
class ScriptedPrompts : public InstallPrompts {
public:
    std::vector<std::string> Shown;
    std::deque<bool> InstallAnyway;
    std::deque<LanguageAnswer> Language;
    std::deque<DiskPromptButton> Disk;
    std::deque<bool> Quit;

    void ShowMessage(const std::string& text, const std::string& caption) override {
        Shown.push_back("message|" + text + "|" + caption);
    }
    bool AskInstallAnyway(const std::string& text, const std::string& caption) override {
        Shown.push_back("attributes|" + text + "|" + caption);
        return Next(InstallAnyway, false);
    }
    LanguageAnswer AskLanguageConflict() override {
        Shown.push_back("language");
        return Next(Language, LanguageAnswer::No);
    }
    DiskPromptButton AskForDisk(const std::string& text, const std::string& caption) override {
        Shown.push_back("disk|" + text + "|" + caption);
        return Next(Disk, DiskPromptButton::Ignore);
    }
    bool ConfirmQuit(const std::string& text, const std::string& caption) override {
        Shown.push_back("quit|" + text + "|" + caption);
        return Next(Quit, true);
    }

private:
    template <typename T>
    static T Next(std::deque<T>& answers, T whenUnscripted) {
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question";
            return whenUnscripted;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

std::string Message(const std::string& text) {
    return "message|" + text + "|" + Caption;
}

std::string DiskPrompt(int disk) {
    return "disk|Please insert disk " + std::to_string(disk) +
           " in order to continue setup. If you inserted correct disk and this message appears again, setup script "
           "may be corrupt.|" +
           Caption;
}

const std::string QuitPrompt = "quit|" + QuitText + "|Quit setup";
const std::string AttributeQuestion =
    "attributes|The file to install and the old file differ in one or more attributes. If you want to, you can "
    "install it though. Do you want to install the file (not recommended)?|" +
    Caption;

InstallVerdict Interpret(uint32_t bits, ScriptedPrompts& prompts, int installAll = 0, int16_t disk = 3) {
    return InterpretInstallResult(bits, Caption, disk, installAll, prompts);
}
}

TEST(InterpretInstallResult, ZeroIsInstalledSilently) {
    ScriptedPrompts prompts;
    EXPECT_EQ(Interpret(0, prompts), InstallVerdict::Installed);
    EXPECT_TRUE(prompts.Shown.empty());
}

TEST(InterpretInstallResult, EveryBitAloneThatNeedsNoAnswer) {
    struct Row {
        uint32_t Bit;
        InstallVerdict Verdict;
        std::vector<std::string> Shown;
    };
    const std::vector<Row> rows = {
        {TempFile, InstallVerdict::StopRun, {Message("Temporary file, file cannot be copied.")}},
        {SrcOld, InstallVerdict::Skip, {}},
        {DiffType, InstallVerdict::StopRun, {}},
        {WriteProt,
         InstallVerdict::StopRun,
         {Message("File cannot be written to, because it is write protected. You should remove the write protection "
                  "and try to install again.")}},
        {FileInUse, InstallVerdict::InUse, {}},
        {OutOfSpace,
         InstallVerdict::StopRun,
         {Message("The file cannot be saved, because there is insufficient harddisk space.")}},
        {AccessViolation, InstallVerdict::InUse, {}},
        {SharingViolation,
         InstallVerdict::StopRun,
         {Message("Sharing violation occured, setup cannot install the file.")}},
        {CannotCreate, InstallVerdict::StopRun, {Message("Could not create the file, setup cannot install the file")}},
        {CannotDelete, InstallVerdict::InUse, {}},
        {CannotRename, InstallVerdict::StopRun, {}},
        {CannotDeleteCur, InstallVerdict::StopRun, {}},
        {OutOfMemory,
         InstallVerdict::StopRun,
         {Message("Out of memory error, file cannot be installed. This may be an internal error.")}},
        {CannotReadDst,
         InstallVerdict::StopRun,
         {Message("Couldn\xB4t read destination, file cannot be installed.")}},
        {BuffTooSmall, InstallVerdict::StopRun, {Message("VIF_BUFFTOOSMALL // INTERNAL ERROR!!!")}},
        {CannotLoadLz32, InstallVerdict::StopRun, {}},
        {CannotLoadCabinet, InstallVerdict::StopRun, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "bit 0x" << std::hex << row.Bit);
        ScriptedPrompts prompts;
        EXPECT_EQ(Interpret(row.Bit, prompts), row.Verdict);
        EXPECT_EQ(prompts.Shown, row.Shown);
    }
}

TEST(InterpretInstallResult, AttributeMismatchAsksWithYesForcing) {
    ScriptedPrompts prompts;
    prompts.InstallAnyway = {true, false};
    EXPECT_EQ(Interpret(Mismatch, prompts), InstallVerdict::Force);
    EXPECT_EQ(Interpret(Mismatch, prompts), InstallVerdict::Skip);
    EXPECT_EQ(prompts.Shown, (std::vector<std::string>{AttributeQuestion, AttributeQuestion}));
}

TEST(InterpretInstallResult, LanguageAndCodePageConflicts) {
    for (const uint32_t bit : {DiffLang, DiffCodePage, DiffLang | DiffCodePage}) {
        SCOPED_TRACE(bit);
        ScriptedPrompts prompts;
        prompts.Language = {LanguageAnswer::Yes, LanguageAnswer::No};
        EXPECT_EQ(Interpret(bit, prompts), InstallVerdict::Force);
        EXPECT_EQ(Interpret(bit, prompts), InstallVerdict::Skip);
        EXPECT_EQ(prompts.Shown, (std::vector<std::string>{"language", "language"}));
    }
}

TEST(InterpretInstallResult, InstallAllIsRememberedAndThenNotAsked) {
    ScriptedPrompts prompts;
    prompts.Language = {LanguageAnswer::InstallAll};
    int installAll = 0;
    EXPECT_EQ(InterpretInstallResult(DiffLang, Caption, 1, installAll, prompts), InstallVerdict::Force);
    EXPECT_EQ(installAll, 1);
    EXPECT_EQ(InterpretInstallResult(DiffCodePage, Caption, 1, installAll, prompts), InstallVerdict::Force);
    EXPECT_EQ(prompts.Shown, std::vector<std::string>{"language"});
}

TEST(InterpretInstallResult, DiskPromptRetryAndIgnore) {
    ScriptedPrompts prompts;
    prompts.Disk = {DiskPromptButton::Retry, DiskPromptButton::Ignore};
    EXPECT_EQ(Interpret(CannotReadSrc, prompts, 0, 2), InstallVerdict::Retry);
    EXPECT_EQ(Interpret(CannotReadSrc, prompts, 0, 2), InstallVerdict::Skip);
    EXPECT_EQ(prompts.Shown, (std::vector<std::string>{DiskPrompt(2), DiskPrompt(2)}));
}

TEST(InterpretInstallResult, DiskPromptAbortNoAsksAgainAbortYesStops) {
    ScriptedPrompts prompts;
    prompts.Disk = {DiskPromptButton::Abort, DiskPromptButton::Abort};
    prompts.Quit = {false, true};
    EXPECT_EQ(Interpret(CannotReadSrc, prompts), InstallVerdict::StopRun);
    EXPECT_EQ(prompts.Shown, (std::vector<std::string>{DiskPrompt(3), QuitPrompt, DiskPrompt(3), QuitPrompt}));
}

TEST(InterpretInstallResult, DiskPromptShowsTheDiskSigned) {
    ScriptedPrompts prompts;
    prompts.Disk = {DiskPromptButton::Ignore};
    // A script disk of 40000 is kept in 16 bits.
    Interpret(CannotReadSrc, prompts, 0, static_cast<int16_t>(40000));
    EXPECT_EQ(prompts.Shown, std::vector<std::string>{DiskPrompt(40000 - 65536)});
}

TEST(InterpretInstallResult, ConfirmedQuitLetsTheLastRowsSpeak) {
    ScriptedPrompts prompts;
    prompts.Disk = {DiskPromptButton::Abort};
    prompts.Quit = {true};
    EXPECT_EQ(Interpret(CannotReadSrc | CannotReadDst | BuffTooSmall, prompts), InstallVerdict::StopRun);
    EXPECT_EQ(prompts.Shown, (std::vector<std::string>{DiskPrompt(3), QuitPrompt,
                                                       Message("Couldn\xB4t read destination, file cannot be installed."),
                                                       Message("VIF_BUFFTOOSMALL // INTERNAL ERROR!!!")}));
}

TEST(InterpretInstallResult, NewerInstalledCopyAsksBeforeSkipping) {
    // VIF_SRCOLD with VIF_MISMATCH: the attribute question decides, not the age.
    ScriptedPrompts prompts;
    prompts.InstallAnyway = {false, true};
    EXPECT_EQ(Interpret(SrcOld | Mismatch, prompts), InstallVerdict::Skip);
    EXPECT_EQ(Interpret(SrcOld | Mismatch, prompts), InstallVerdict::Force);
    EXPECT_EQ(prompts.Shown.size(), 2u);
}

TEST(InterpretInstallResult, MessagesComeInRowOrderBeforeTheDecidingRow) {
    struct Row {
        uint32_t Bits;
        InstallVerdict Verdict;
        std::vector<std::string> Shown;
    };
    const std::string temp = Message("Temporary file, file cannot be copied.");
    const std::string writeProt = Message(
        "File cannot be written to, because it is write protected. You should remove the write protection and try to "
        "install again.");
    const std::string space = Message("The file cannot be saved, because there is insufficient harddisk space.");
    const std::string sharing = Message("Sharing violation occured, setup cannot install the file.");
    const std::string create = Message("Could not create the file, setup cannot install the file");
    const std::vector<Row> rows = {
        {TempFile | WriteProt, InstallVerdict::StopRun, {temp, writeProt}},
        {WriteProt | FileInUse, InstallVerdict::InUse, {writeProt}},
        {OutOfSpace | AccessViolation | SharingViolation, InstallVerdict::InUse, {space}},
        {SharingViolation | CannotCreate | CannotDelete, InstallVerdict::InUse, {sharing, create}},
        {TempFile | SrcOld | WriteProt, InstallVerdict::Skip, {temp}},
        {CannotCreate | DiffType, InstallVerdict::StopRun, {create}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "bits 0x" << std::hex << row.Bits);
        ScriptedPrompts prompts;
        EXPECT_EQ(Interpret(row.Bits, prompts), row.Verdict);
        EXPECT_EQ(prompts.Shown, row.Shown);
    }
}

TEST(InterpretInstallResult, EarlierDecisionHidesLaterRows) {
    ScriptedPrompts prompts;
    prompts.InstallAnyway = {true};
    // The attribute question decides; no language dialog, no in-use verdict.
    EXPECT_EQ(Interpret(TempFile | Mismatch | DiffLang | FileInUse, prompts), InstallVerdict::Force);
    EXPECT_EQ(prompts.Shown,
              (std::vector<std::string>{Message("Temporary file, file cannot be copied."), AttributeQuestion}));

    ScriptedPrompts more;
    more.Language = {LanguageAnswer::No};
    EXPECT_EQ(Interpret(DiffCodePage | WriteProt | CannotReadSrc, more), InstallVerdict::Skip);
    EXPECT_EQ(more.Shown, std::vector<std::string>{"language"});

    ScriptedPrompts retry;
    retry.Disk = {DiskPromptButton::Retry};
    EXPECT_EQ(Interpret(OutOfMemory | CannotReadSrc | CannotReadDst, retry), InstallVerdict::Retry);
    EXPECT_EQ(retry.Shown, (std::vector<std::string>{
                               Message("Out of memory error, file cannot be installed. This may be an internal error."),
                               DiskPrompt(3)}));
}
