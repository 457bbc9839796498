// The portable letter/digit table must classify every byte exactly as the
// system does on a Windows-1252 machine, or names of statements would split
// differently on the real platform than in the native tests.
#include <windows.h>

#include <gtest/gtest.h>

#include "script/CharClass.h"
#include "script/ScriptReader.h"

namespace {

bool SystemClassifier(unsigned char c) { return IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE; }

std::vector<ScriptStatement> Parse(const std::string& text, CharClassifier classify) {
    ScriptReader reader;
    reader.Parse(text, classify);
    return reader.Statements;
}

class CharClassOn1252 : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "run the tests with a Western European ANSI code page"; }
};

} // namespace

TEST_F(CharClassOn1252, TableAgreesWithIsCharAlphaNumericAForEveryByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char c = static_cast<unsigned char>(byte);
        EXPECT_EQ(IsAlphaNumeric1252(c), SystemClassifier(c)) << "byte 0x" << std::hex << byte;
    }
}

TEST_F(CharClassOn1252, NamesWithBytesAbove7FParseAlikeWithBothClassifiers) {
    // Accented letters, superscript digits and the ordinal indicators stay in
    // the name; the multiplication sign and the non-breaking space end it.
    const std::string script =
        "Set\xC4nderung\xB2(\"a\")\n"
        "\xB5Name\xAA\xBA\x8A\xFF(\"b\", \"c\")\n"
        "Left\xD7Right(\"d\")\n"
        "Tab\xA0Stop(\"e\")\n";
    const std::vector<ScriptStatement> expected = Parse(script, SystemClassifier);
    const std::vector<ScriptStatement> actual = Parse(script, IsAlphaNumeric1252);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].Name, expected[i].Name) << "statement " << i;
        EXPECT_EQ(actual[i].Arguments, expected[i].Arguments) << "statement " << i;
    }
    ASSERT_EQ(actual.size(), 6u);
    EXPECT_EQ(actual[0].Name, "Set\xC4nderung\xB2");
    EXPECT_EQ(actual[1].Name, "\xB5Name\xAA\xBA\x8A\xFF");
    EXPECT_EQ(actual[1].Arguments, (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(actual[2].Name, "Left");
    EXPECT_EQ(actual[3].Name, "Right");
    EXPECT_EQ(actual[3].Arguments, std::vector<std::string>{"d"});
    EXPECT_EQ(actual[4].Name, "Tab");
    EXPECT_EQ(actual[5].Name, "Stop");
}
