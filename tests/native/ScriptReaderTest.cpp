#include <gtest/gtest.h>

#include "script/ScriptReader.h"

namespace {
std::vector<ScriptStatement> ParseText(const std::string& text) {
    ScriptReader reader;
    reader.Parse(text, IsAlphaNumeric1252);
    return reader.Statements;
}
}

TEST(ScriptReader, ReadsNameAndQuotedArguments) {
    const auto statements = ParseText("SetAppName(\"Demo\")\nCreateSection(\"A\", \"1\", \"0\", \"c\")\n");
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0].Name, "SetAppName");
    EXPECT_EQ(statements[0].Arguments, std::vector<std::string>{"Demo"});
    EXPECT_EQ(statements[1].Arguments, (std::vector<std::string>{"A", "1", "0", "c"}));
}
