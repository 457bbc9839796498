#include <gtest/gtest.h>

#include "script/VariableTable.h"

namespace {
std::string Resolve(VariableTable& variables, std::string text) {
    variables.Substitute(text);
    return text;
}
}

TEST(Substitute, MissingNamesBecomeEmptyVariables) {
    VariableTable v;
    EXPECT_EQ(Resolve(v, "Install [APPNAME] now"), "Install  now");
    EXPECT_TRUE(v.Contains("APPNAME"));
    v.Set("APPNAME", "Demo");
    EXPECT_EQ(Resolve(v, "[appname]"), "");
    EXPECT_EQ(Resolve(v, "a[]b"), "ab");
}

TEST(Substitute, BracketRules) {
    VariableTable v;
    v.Set("[A", "v");
    v.Set("z", "Z");
    EXPECT_EQ(Resolve(v, "[[A]]"), "v]");
    EXPECT_EQ(Resolve(v, "x]y[z]"), "x]yZ");
    EXPECT_EQ(Resolve(v, "a[z]b[c"), "aZb[c");
    EXPECT_EQ(Resolve(v, "no refs"), "no refs");
}

TEST(Substitute, ResolvesReferencesBroughtInByValues) {
    VariableTable v;
    v.Set("A", "[B]");
    v.Set("B", "b");
    EXPECT_EQ(Resolve(v, "[A]"), "b");

    // A value may open a reference that the following text closes.
    v.Set("OPEN", "[");
    EXPECT_EQ(Resolve(v, "[OPEN]B]"), "b");

    // A long chain without a cycle resolves completely.
    for (int i = 0; i < 50; ++i)
        v.Set("V" + std::to_string(i), "[V" + std::to_string(i + 1) + "]");
    v.Set("V50", "end");
    EXPECT_EQ(Resolve(v, "<[V0]>"), "<end>");
}

TEST(Substitute, CyclesEndWithoutHanging) {
    VariableTable v;
    v.Set("SELF", "x[SELF]y");
    EXPECT_EQ(Resolve(v, "[SELF]"), "xy");

    v.Set("A", "a[B]");
    v.Set("B", "b[A]");
    EXPECT_EQ(Resolve(v, "<[A]>"), "<ab>");

    // The same variable twice side by side is no cycle.
    v.Set("N", "n");
    v.Set("TWO", "[N][N]");
    EXPECT_EQ(Resolve(v, "[TWO][TWO]"), "nnnn");
}

TEST(Substitute, LiteralValuesAreInsertedAsTheyAre) {
    VariableTable v;
    v.Set("2026", "gone");
    v.SetLiteral("DP", "C:\\Games [2026]\\");
    EXPECT_EQ(Resolve(v, "[DP]run.exe"), "C:\\Games [2026]\\run.exe");

    // Literal brackets never combine into a reference.
    v.SetLiteral("OPEN", "[");
    v.SetLiteral("CLOSE", "2026]");
    EXPECT_EQ(Resolve(v, "[OPEN][CLOSE]"), "[2026]");

    // Set makes a variable an ordinary one again, whose references resolve.
    v.Set("DP", "[2026]");
    EXPECT_EQ(Resolve(v, "[DP]"), "gone");
}

TEST(Substitute, TraceTellsLookupsCyclesAndAssignments) {
    VariableTable v;
    v.Set("A", "a[B]");
    v.Set("B", "b[A]");
    v.SetLiteral("DP", "C:\\[x]\\");
    SubstituteTrace trace;
    std::string text = "[A][DP][NONE]";
    v.Substitute(text, &trace);
    EXPECT_EQ(text, "abC:\\[x]\\");
    EXPECT_EQ(trace.Names, (std::vector<std::string>{"A", "B", "DP", "NONE"}));
    EXPECT_EQ(trace.Cycles, std::vector<std::string>{"A"});
    // Reading NONE created it, but nothing gave it a value.
    EXPECT_TRUE(v.Contains("NONE"));
    EXPECT_FALSE(v.IsAssigned("NONE"));
    EXPECT_TRUE(v.IsAssigned("A"));
    EXPECT_TRUE(v.IsAssigned("DP"));
}

TEST(Substitute, ResolveReadsWithoutCreating) {
    VariableTable v;
    v.Set("A", "a[B]");
    std::string text = "[A][NONE]";
    SubstituteTrace trace;
    EXPECT_EQ(v.Resolve(text, &trace), SubstituteResult::Done);
    EXPECT_EQ(text, "a");
    EXPECT_EQ(trace.Names, (std::vector<std::string>{"A", "B", "NONE"}));
    EXPECT_FALSE(v.Contains("B"));
    EXPECT_FALSE(v.Contains("NONE"));
}

// A text may reach the bound but not pass it; the stopped text never holds more.
TEST(Substitute, StopsBeforeTheValueBound) {
    VariableTable v;
    v.Set("HALF", std::string(kMaxValueBytes / 2, 'h'));
    std::string text = "[HALF][HALF]";
    EXPECT_EQ(v.Substitute(text), SubstituteResult::Done);
    EXPECT_EQ(text.size(), kMaxValueBytes);

    text = "[HALF]x[HALF]";
    EXPECT_EQ(v.Substitute(text), SubstituteResult::TooLong);
    EXPECT_LE(text.size(), kMaxValueBytes);
}

TEST(VariableTotal, CountsEachValueOnce) {
    VariableTable v;
    v.Set("A", "12345");
    v.SetLiteral("B", "123");
    v.Set("A", "1");
    EXPECT_EQ(v.TotalBytes(), 4u);
    EXPECT_FALSE(v.OverTotalBound());
}
