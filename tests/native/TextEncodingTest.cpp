#include <gtest/gtest.h>

#include "script/CharClass.h"
#include "script/ScriptReader.h"
#include "text/HostPath.h"
#include "text/TextEncoding.h"
#include "tests/native/WesternPages.h"

namespace {

const Western kWestern;

TEST(TextEncodingTest, Utf8RoundTripsEveryPlaneAndRefusesWhatIsNotUtf8) {
    const std::string text = "A\xC3\xA9\xCE\xB1\xD0\x96\xE4\xB8\xAD\xF0\x9F\x98\x80";  // A é α Ж 中 😀
    const auto decoded = DecodeUtf8(text);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, u"A\u00E9\u03B1\u0416\u4E2D\U0001F600");
    EXPECT_EQ(EncodeUtf8(*decoded), text);
    for (const std::string bad : {"\xE9", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8"})
        EXPECT_FALSE(DecodeUtf8("ok " + bad)) << bad;
    EXPECT_EQ(EncodeUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(TextEncodingTest, MarkedScriptIsUtf8AndConvertedForAnAnsiProcess) {
    const std::string body = "SetAppName(\"Caf\xC3\xA9 \xE2\x82\xAC\")\r\n";
    const ScriptText asUtf8 = DecodeScriptText(Utf8Mark + body, true, kWestern);
    EXPECT_EQ(asUtf8.Encoding, ScriptEncoding::Utf8);
    EXPECT_EQ(asUtf8.Problem, ScriptTextProblem::None);
    EXPECT_EQ(asUtf8.Bytes, body);

    const ScriptText asAnsi = DecodeScriptText(Utf8Mark + body, false, kWestern);
    EXPECT_EQ(asAnsi.Problem, ScriptTextProblem::None);
    EXPECT_EQ(asAnsi.Bytes, "SetAppName(\"Caf\xE9 \x80\")\r\n");
}

TEST(TextEncodingTest, UnmarkedScriptKeepsItsBytesOrBecomesUtf8) {
    const std::string body = "SetAppName(\"Don\xB4t \xE9\")\n\x1A\xFF trailing";
    const ScriptText asAnsi = DecodeScriptText(body, false, kWestern);
    EXPECT_EQ(asAnsi.Encoding, ScriptEncoding::Legacy);
    EXPECT_EQ(asAnsi.Bytes, body);

    const ScriptText asUtf8 = DecodeScriptText(body, true, kWestern);
    EXPECT_EQ(asUtf8.Problem, ScriptTextProblem::None);
    // Behind the Ctrl-Z nothing is read, so nothing is converted either.
    EXPECT_EQ(asUtf8.Bytes, "SetAppName(\"Don\xC2\xB4t \xC3\xA9\")\n\x1A\xFF trailing");
}

TEST(TextEncodingTest, TheLineThatCannotBeReadIsNamed) {
    const std::string head = std::string(Utf8Mark) + "SetAppName(\"a\")\r\n// \xC3\xA9\r\n";
    const ScriptText missing = DecodeScriptText(head + "SetAppName(\"\xCE\xB1\")\r\n", false, kWestern);
    EXPECT_EQ(missing.Problem, ScriptTextProblem::NoFormInCodePage);
    EXPECT_EQ(missing.Line, 3);
    EXPECT_TRUE(missing.Bytes.empty());
    EXPECT_NE(ScriptTextMessage(missing).find("line 3:"), std::string::npos);

    const ScriptText broken = DecodeScriptText(head + "\n\nSetAppName(\"\xE9\")", true, kWestern);
    EXPECT_EQ(broken.Problem, ScriptTextProblem::NotUtf8);
    EXPECT_EQ(broken.Line, 5);
    EXPECT_NE(ScriptTextMessage(broken).find("line 5:"), std::string::npos);
    EXPECT_NE(ScriptTextMessage(broken).find("not UTF-8"), std::string::npos);
}

TEST(TextEncodingTest, RecodeCrossesOnlyWhenThePagesDiffer) {
    EXPECT_EQ(Recode("C:\\Caf\xE9", false, true, kWestern), std::optional<std::string>("C:\\Caf\xC3\xA9"));
    EXPECT_EQ(Recode("C:\\Caf\xC3\xA9", true, false, kWestern), std::optional<std::string>("C:\\Caf\xE9"));
    EXPECT_EQ(Recode("C:\\\xD0\x96", true, false, kWestern), std::nullopt);
    EXPECT_EQ(Recode("C:\\\xE9", true, false, kWestern), std::nullopt);
    EXPECT_EQ(Recode("\xD0\x96", true, true, kWestern), std::optional<std::string>("\xD0\x96"));
}

TEST(TextEncodingTest, ReaderSkipsTheMarkAndRemembersTheEncoding) {
    ScriptReader marked;
    marked.Parse(std::string(Utf8Mark) + "SetAppName(\"\xCE\xB1\")", IsAlphaNumeric1252);
    ASSERT_EQ(marked.StatementCount(), 1);
    EXPECT_EQ(marked.Statements[0].Name, "SetAppName");
    EXPECT_EQ(marked.Encoding, ScriptEncoding::Utf8);
    EXPECT_TRUE(marked.Layout.Skipped.empty());
    EXPECT_EQ(marked.Layout.Statements[0].Name.Begin.Column, 1);

    ScriptReader plain;
    plain.Parse("SetAppName(\"x\")", IsAlphaNumeric1252);
    EXPECT_EQ(plain.Encoding, ScriptEncoding::Legacy);
    EXPECT_FALSE(plain.Layout.HasNonAscii);
}

} // namespace

TEST(HostPathTest, Utf8NamesKeepTheirBytesThroughPathsAndTheirParts) {
    const std::string folder = "\xD0\x97\xD0\xB0\xD0\xB3/\xE4\xB8\x8B\xE8\xBD\xBD";
    const std::filesystem::path path = HostPath(folder) / HostPath("\xCE\x94.exe");
    EXPECT_EQ(HostText(path), folder + "/\xCE\x94.exe");
    EXPECT_EQ(HostText(path.filename()), "\xCE\x94.exe");
    EXPECT_EQ(HostText(*path.begin()), "\xD0\x97\xD0\xB0\xD0\xB3");
}
