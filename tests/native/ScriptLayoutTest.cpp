#include <gtest/gtest.h>

#include "script/ScriptReader.h"

namespace {
ScriptReader ParseText(const std::string& text) {
    ScriptReader reader;
    reader.Parse(text, IsAlphaNumeric1252);
    return reader;
}

std::string At(const SourcePosition& p) { return std::to_string(p.Line) + ":" + std::to_string(p.Column); }
std::string Span(const SourceSpan& s) { return At(s.Begin) + "-" + At(s.End); }
}

TEST(ScriptLayout, NamesAndArgumentsCarryLineAndColumn) {
    // CR LF is one line end; a doubled quote is two columns; an argument may span lines.
    const ScriptReader reader = ParseText("// c\r\n  SetAppName(\"a\"\"b\")\r\nAddFile(\"x\n y\", \"z\")SetCaption(\"\")");
    ASSERT_EQ(reader.Layout.Statements.size(), reader.Statements.size());
    ASSERT_EQ(reader.Statements.size(), 2u);
    EXPECT_EQ(reader.Statements[0].Arguments[0], "a\"b");
    EXPECT_EQ(Span(reader.Layout.Statements[0].Name), "2:3-2:13");
    EXPECT_EQ(Span(reader.Layout.Statements[0].Arguments[0]), "2:14-2:20");
    // The name after ")" joins the first statement, as setup reads it.
    EXPECT_EQ(reader.Statements[1].Name, "AddFileSetCaption");
    EXPECT_EQ(Span(reader.Layout.Statements[1].Name), "3:1-4:20");
    const std::vector<SourceSpan>& args = reader.Layout.Statements[1].Arguments;
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(Span(args[0]), "3:9-4:4");
    EXPECT_EQ(Span(args[1]), "4:6-4:9");
    EXPECT_EQ(Span(args[2]), "4:21-4:23");
    EXPECT_EQ(reader.Layout.Open, OpenAtEnd::Nothing);
    EXPECT_TRUE(reader.Layout.Skipped.empty());
}

TEST(ScriptLayout, SkippedTextIsKeptInRuns) {
    const ScriptReader reader = ParseText("SetRedrawWait(500 \"1\" x)\n# note\nA(\"1\")//c");
    std::vector<std::string> runs;
    for (const SkippedText& skipped : reader.Layout.Skipped)
        runs.push_back(skipped.Text + "@" + Span(skipped.Span));
    EXPECT_EQ(runs, (std::vector<std::string>{"500@1:15-1:18", "x@1:23-1:24", "#@2:1-2:2", "//@3:7-3:9"}));
}

TEST(ScriptLayout, WhatIsOpenAtTheEnd) {
    ScriptReader quote = ParseText("A(\"1\")\nB(\"open");
    EXPECT_EQ(quote.Layout.Open, OpenAtEnd::Quote);
    EXPECT_EQ(At(quote.Layout.OpenedAt), "2:3");
    EXPECT_EQ(Span(quote.Layout.Statements[1].Arguments[0]), "2:3-2:8");

    ScriptReader parenthesis = ParseText("A(\"1\"");
    EXPECT_EQ(parenthesis.Layout.Open, OpenAtEnd::Parenthesis);
    EXPECT_EQ(At(parenthesis.Layout.OpenedAt), "1:2");

    ScriptReader ctrlZ = ParseText("A()\n\x1A" "B()");
    EXPECT_TRUE(ctrlZ.Layout.StoppedAtCtrlZ);
    EXPECT_EQ(At(ctrlZ.Layout.CtrlZAt), "2:1");
    EXPECT_FALSE(ParseText("A()\n\x1A").Layout.StoppedAtCtrlZ);
}
