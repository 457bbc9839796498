#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "text/IniEdit.h"

namespace {
const std::string Key = "C:\\WINDOWS\\SYSTEM\\MYLIBR~1.DLL";
const std::string Value = "C:\\WINDOWS\\TEMP\\MYLIBR~1.tmp";

std::string Edited(const std::string& text) {
    return SetIniKey(text, "rename", Key, Value);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "h3_iniedit_" + name;
}
}

TEST(SetIniKey, EmptyFileGetsTheSectionAndAnEmptyLine) {
    EXPECT_EQ(Edited(""), "[rename]\r\n" + Key + "=" + Value + "\r\n\r\n");
}

TEST(SetIniKey, OwnFormatKeepsTheModelOrder) {
    // Written by us before: rewritten in the model's order, shorter key first.
    // The old key sorts first byte by byte but is longer.
    EXPECT_EQ(Edited("[rename]\r\nC:\\WINDOWS\\SYSTEM\\AAAAAAAA\\X.dll=C:\\T\\X.tmp\r\n\r\n"),
              "[rename]\r\n" + Key + "=" + Value + "\r\nC:\\WINDOWS\\SYSTEM\\AAAAAAAA\\X.dll=C:\\T\\X.tmp\r\n\r\n");
    EXPECT_EQ(Edited("[rename]\r\n" + Key + "=old\r\n\r\n"), "[rename]\r\n" + Key + "=" + Value + "\r\n\r\n");
}

TEST(SetIniKey, KeepsOtherProgramsLines) {
    const std::string before =
        "; written by another setup\r\n"
        "[rename]\r\n"
        "NUL=C:\\OLD1.TMP\r\n"
        "NUL=C:\\OLD2.TMP\r\n"
        "C:\\APP\\X.DLL=C:\\APP\\X.NEW\r\n"
        "\r\n"
        "[other]\r\n"
        "a=b\r\n";
    EXPECT_EQ(Edited(before),
              "; written by another setup\r\n"
              "[rename]\r\n"
              "NUL=C:\\OLD1.TMP\r\n"
              "NUL=C:\\OLD2.TMP\r\n"
              "C:\\APP\\X.DLL=C:\\APP\\X.NEW\r\n" +
                  Key + "=" + Value +
                  "\r\n"
                  "\r\n"
                  "[other]\r\n"
                  "a=b\r\n");
}

TEST(SetIniKey, ReplacesOurLineInPlaceAndDropsItsRepeats) {
    const std::string before = "[Rename]\nNUL=C:\\A\n" + Key + "=old1\nNUL=C:\\B\n" + Key + "=old2\n";
    EXPECT_EQ(Edited(before), "[Rename]\nNUL=C:\\A\n" + Key + "=" + Value + "\r\nNUL=C:\\B\n");
}

TEST(SetIniKey, SectionWithOtherCaseIsUsed) {
    // Written by us in canonical form but under "[Rename]": still one section.
    const std::string before = "[Rename]\r\nNUL=C:\\A\r\n\r\n";
    EXPECT_EQ(Edited(before), "[Rename]\r\nNUL=C:\\A\r\n" + Key + "=" + Value + "\r\n\r\n");
}

TEST(SetIniKey, MessyEndsAndMissingSection) {
    // No line feed at the end of the last line of the section.
    EXPECT_EQ(Edited("[rename]\nNUL=C:\\A"), "[rename]\nNUL=C:\\A\r\n" + Key + "=" + Value + "\r\n");
    // No rename section: appended after everything else.
    EXPECT_EQ(Edited("junk line"), "junk line\r\n[rename]\r\n" + Key + "=" + Value + "\r\n");
    // A commented-out entry of ours is another program's line.
    EXPECT_EQ(Edited("[rename]\n;" + Key + "=x\n"), "[rename]\n;" + Key + "=x\n" + Key + "=" + Value + "\r\n");
    // An empty first section: our line follows its header.
    EXPECT_EQ(Edited("[rename]\n\n[x]\nk=v\n"), "[rename]\n" + Key + "=" + Value + "\r\n\n[x]\nk=v\n");
}

TEST(SetIniKey, OverLongForeignLineSurvives) {
    const std::string longLine = "NUL=" + std::string(5000, 'y') + "\r\n";
    const std::string result = Edited("[rename]\r\n" + longLine);
    EXPECT_EQ(result, "[rename]\r\n" + longLine + Key + "=" + Value + "\r\n");
}

TEST(UpdateIniKeyInFile, CreatesMissingFile) {
    const std::string path = TempPath("created.ini");
    std::remove(path.c_str());
    EXPECT_EQ(UpdateIniKeyInFile(path, "rename", Key, Value), IniUpdateResult::Written);
    EXPECT_EQ(ReadFile(path), "[rename]\r\n" + Key + "=" + Value + "\r\n\r\n");
    std::remove(path.c_str());
}

TEST(UpdateIniKeyInFile, KeepsForeignContentOnDisk) {
    const std::string path = TempPath("foreign.ini");
    WriteFile(path, "[rename]\r\nNUL=C:\\A\r\nNUL=C:\\B\r\n");
    EXPECT_EQ(UpdateIniKeyInFile(path, "rename", Key, Value), IniUpdateResult::Written);
    EXPECT_EQ(ReadFile(path), "[rename]\r\nNUL=C:\\A\r\nNUL=C:\\B\r\n" + Key + "=" + Value + "\r\n");
    std::remove(path.c_str());
}

TEST(UpdateIniKeyInFile, UnreadableFileIsLeftAlone) {
    // A directory in the file's place exists but cannot be read as a file.
    const std::string path = TempPath("unreadable.ini");
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    EXPECT_EQ(UpdateIniKeyInFile(path, "rename", Key, Value), IniUpdateResult::Unreadable);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    rmdir(path.c_str());
}

TEST(UpdateIniKeyInFile, FailedWriteIsReported) {
    EXPECT_EQ(UpdateIniKeyInFile(TempPath("no_such_dir/wininit.ini"), "rename", Key, Value),
              IniUpdateResult::WriteFailed);
}

TEST(AddEntryKeepingOtherLines, AddsOneMoreNulLineAndNeverTwiceTheSame) {
    const std::string text = "; by others\r\n[Rename]\r\nNUL=C:\\OLD.TXT\r\nC:\\A.DLL=C:\\T.TMP\r\n\r\n[other]\r\nx=1";
    const std::string added = AddEntryKeepingOtherLines(text, "rename", "NUL", "C:\\PROGRA~1\\DEMO\\DEMO.EXE");
    EXPECT_EQ(added, "; by others\r\n[Rename]\r\nNUL=C:\\OLD.TXT\r\nC:\\A.DLL=C:\\T.TMP\r\n"
                     "NUL=C:\\PROGRA~1\\DEMO\\DEMO.EXE\r\n\r\n[other]\r\nx=1");
    EXPECT_EQ(AddEntryKeepingOtherLines(added, "rename", "NUL", "C:\\PROGRA~1\\DEMO\\DEMO.EXE"), added);
    EXPECT_EQ(AddEntryKeepingOtherLines("", "rename", "NUL", "C:\\X"), "[rename]\r\nNUL=C:\\X\r\n");

    const std::string path = TempPath("nul");
    std::remove(path.c_str());
    ASSERT_EQ(AddIniEntryInFile(path, "rename", "NUL", "C:\\X"), IniUpdateResult::Written);
    ASSERT_EQ(AddIniEntryInFile(path, "rename", "NUL", "C:\\Y"), IniUpdateResult::Written);
    EXPECT_EQ(ReadFile(path), "[rename]\r\nNUL=C:\\X\r\nNUL=C:\\Y\r\n");
    std::remove(path.c_str());
}
