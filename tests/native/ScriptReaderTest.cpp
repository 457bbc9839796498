#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "script/ScriptReader.h"

namespace {
using Args = std::vector<std::string>;

std::vector<ScriptStatement> ParseText(const std::string& text) {
    ScriptReader reader;
    reader.Parse(text, IsAlphaNumeric1252);
    return reader.Statements;
}

void ExpectStatement(const ScriptStatement& statement, const std::string& name, const Args& args) {
    EXPECT_EQ(statement.Name, name);
    EXPECT_EQ(statement.Arguments, args);
}
}

TEST(ScriptReader, ReadsNamesAndQuotedArgumentsSeparatedByAnything) {
    const auto s = ParseText("SetAppName(\"Demo\")\n"
                             "CreateSection(\"A\",\"1\" \"0\"\n junk 42 \"c\");SetCaption(\"x\")\n");
    ASSERT_EQ(s.size(), 3u);
    ExpectStatement(s[0], "SetAppName", {"Demo"});
    ExpectStatement(s[1], "CreateSection", {"A", "1", "0", "c"});
    ExpectStatement(s[2], "SetCaption", {"x"});
}

TEST(ScriptReader, CommentsOnlyBetweenStatements) {
    EXPECT_TRUE(ParseText("// only a comment\n\n   // another\n").empty());

    // Inside quotes "//" is text; inside the parentheses it is skipped.
    const auto s = ParseText("A(\"x//y\" // \"z\")\n// B(\"no\")\nC()");
    ASSERT_EQ(s.size(), 2u);
    ExpectStatement(s[0], "A", {"x//y", "z"});
    ExpectStatement(s[1], "C", {});
}

TEST(ScriptReader, SlashDirectlyAfterStatementIsNoComment) {
    const auto s = ParseText("SetCaption(\"A\")//x");
    ASSERT_EQ(s.size(), 2u);
    ExpectStatement(s[0], "SetCaption", {"A"});
    ExpectStatement(s[1], "x", {});

    const auto withBlank = ParseText("SetCaption(\"A\") //x");
    ASSERT_EQ(withBlank.size(), 1u);
}

TEST(ScriptReader, QuotesAndEmptyArguments) {
    const auto s = ParseText("A(\"\")B(\"\"\"\")\nC(\"one\"\"two\")\nD(\"a\"\"\")");
    ASSERT_EQ(s.size(), 3u);
    // A and B touch: one statement with both names and both argument lists.
    ExpectStatement(s[0], "AB", {"", "\""});
    ExpectStatement(s[1], "C", {"one\"two"});
    ExpectStatement(s[2], "D", {"a\""});
}

TEST(ScriptReader, BlankBeforeParenthesisSplitsTheStatement) {
    const auto s = ParseText("SetAppName (\"My App\")");
    ASSERT_EQ(s.size(), 3u);
    ExpectStatement(s[0], "SetAppName", {});
    ExpectStatement(s[1], "My", {});
    ExpectStatement(s[2], "App", {});
}

TEST(ScriptReader, UnquotedArgumentsAreSkipped) {
    const auto s = ParseText("SetRedrawWait(500)");
    ASSERT_EQ(s.size(), 1u);
    ExpectStatement(s[0], "SetRedrawWait", {});
}

TEST(ScriptReader, StatementStaysOpenAfterClosingParenthesis) {
    const auto s = ParseText("A(\"1\")B(\"2\")(\"3\") C");
    ASSERT_EQ(s.size(), 2u);
    ExpectStatement(s[0], "AB", {"1", "2", "3"});
    ExpectStatement(s[1], "C", {});
}

TEST(ScriptReader, NamesBeginWithDigitsAndMayHoldAnsiLetters) {
    const auto s = ParseText("1st(\"a\") Gr\xFC\xDF" "e(\"b\") _x \xD7y");
    ASSERT_EQ(s.size(), 4u);
    ExpectStatement(s[0], "1st", {"a"});
    ExpectStatement(s[1], "Gr\xFC\xDF" "e", {"b"});
    ExpectStatement(s[2], "x", {});  // "_" is no letter
    ExpectStatement(s[3], "y", {});  // nor is the multiplication sign
}

TEST(ScriptReader, TextModeLineEndsAndCtrlZ) {
    const auto lf = ParseText("A(\"x\ny\")\nB(\"z\")\n");
    const auto crlf = ParseText("A(\"x\r\ny\")\r\nB(\"z\")\r\n");
    ASSERT_EQ(crlf.size(), 2u);
    EXPECT_EQ(crlf[0].Arguments, lf[0].Arguments);
    EXPECT_EQ(crlf[0].Arguments[0], "x\ny");
    ExpectStatement(crlf[1], "B", {"z"});

    const auto cut = ParseText("A(\"x\")\x1A" "B(\"y\")");
    ASSERT_EQ(cut.size(), 1u);
}

TEST(ScriptReader, UnterminatedTextKeepsWhatWasRead) {
    const auto s = ParseText("A(\"abc");
    ASSERT_EQ(s.size(), 1u);
    ExpectStatement(s[0], "A", {"abc"});
}

TEST(ScriptReader, ReadsFileAndHandsOutCopies) {
    const std::string path = ::testing::TempDir() + "script_reader_test.ini";
    std::ofstream(path, std::ios::binary) << "SetAppName(\"Demo\")\r\nShowWelcome()\r\n";
    ScriptReader reader;
    ASSERT_EQ(reader.Read(path, IsAlphaNumeric1252), 0);
    EXPECT_EQ(reader.ScriptPath, path);
    ASSERT_EQ(reader.StatementCount(), 2);

    ScriptStatement copy;
    ASSERT_EQ(reader.GetStatement(0, copy), 0);
    copy.Arguments[0] = "changed";
    EXPECT_EQ(reader.Statements[0].Arguments[0], "Demo");

    ScriptStatement untouched{"keep", {"me"}};
    EXPECT_EQ(reader.GetStatement(2, untouched), -1);
    EXPECT_EQ(reader.GetStatement(-1, untouched), -1);
    EXPECT_EQ(untouched.Name, "keep");
    std::remove(path.c_str());

    EXPECT_EQ(reader.Read(path, IsAlphaNumeric1252), -1);
}
