// The system's conversions behind the script's encodings, in a process that
// runs in the ANSI code page 1252 (the test program has no UTF-8 manifest):
// only exact forms count, never the system's look-alikes.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/CodePages_win.h"

namespace {

class CodePagesOn1252 : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "run the tests with a Western European ANSI code page"; }
    const SystemCodePages pages;
};

} // namespace

TEST_F(CodePagesOn1252, ExactFormsOnlyAndEveryLegacyByteReadable) {
    EXPECT_FALSE(ProcessIsUtf8());
    EXPECT_EQ(LegacyAnsiCodePage(), 1252u);
    EXPECT_EQ(pages.UnicodeToLegacy(u"Caf\u00E9 \u20AC\u00B4"), std::optional<std::string>("Caf\xE9 \x80\xB4"));
    // 1252 would best-fit a-macron to "a" and has no Cyrillic at all.
    EXPECT_EQ(pages.UnicodeToLegacy(u"\u0101"), std::nullopt);
    EXPECT_EQ(pages.UnicodeToLegacy(u"\u0416"), std::nullopt);
    EXPECT_EQ(pages.UnicodeToLegacy(u"\u4E2D"), std::nullopt);
    EXPECT_EQ(pages.LegacyToUnicode("\x80\xE9\xB4"), u"\u20AC\u00E9\u00B4");
}

TEST_F(CodePagesOn1252, MarkedScriptWithinTheCodePageBecomesItsBytes) {
    const ScriptText fits = DecodeScriptText("\xEF\xBB\xBFSetAppName(\"Z\xC3\xBCrich\")\n", ProcessIsUtf8(), pages);
    EXPECT_EQ(fits.Problem, ScriptTextProblem::None);
    EXPECT_EQ(fits.Bytes, "SetAppName(\"Z\xFCrich\")\n");
    const ScriptText beyond = DecodeScriptText("\xEF\xBB\xBF//\nSetAppName(\"\xC4\x81\")\n", ProcessIsUtf8(), pages);
    EXPECT_EQ(beyond.Problem, ScriptTextProblem::NoFormInCodePage);
    EXPECT_EQ(beyond.Line, 2);
}

TEST_F(CodePagesOn1252, OwnTextsAndWideFormsKeepTheirCharacters) {
    EXPECT_EQ(WesternText("Couldn\xB4t read"), "Couldn\xB4t read");
    EXPECT_EQ(WideOf("Caf\xE9"), L"Caf\u00E9");
}
