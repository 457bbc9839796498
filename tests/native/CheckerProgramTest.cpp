#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "CheckerTestSupport.h"
#include "checker/CheckRun.h"
#include "checker/CommandLine.h"
#include "checker/HostMedium.h"
#include "checker/Report.h"
#include "checker/Wildcard.h"

namespace {
using nlohmann::json;

const CheckPlatformParts kPosix{IsAlphaNumeric1252, [](const std::string& medium) {
                                    return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                }};

struct Outcome {
    CheckExit exit;
    std::string out;
    std::string err;
};

Outcome Check(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const CheckExit exit = RunCheck(args, kPosix, out, err);
    return {exit, out.str(), err.str()};
}

// A medium directory under the test's temporary directory.
class CheckerProgram : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/setupcheck-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string dir_;
};

const char* kFaulty = "setappname(\"Demo \xB4\")\nSetAppName(\"a\", \"b\")\nSetCaption(\"[APPNAM]\")\n";
}

TEST_F(CheckerProgram, ExitCodesTellErrorsWarningsAndUnreadableScripts) {
    const std::string clean = Write("clean.ini", "SetAppName(\"x\")\n");
    const std::string warned = Write("warned.ini", "setappname(\"x\")\n");
    const std::string faulty = Write("faulty.ini", kFaulty);

    const Outcome ok = Check({clean});
    EXPECT_EQ(ok.exit, CheckExit::Clean);
    EXPECT_EQ(ok.out, "0 errors, 0 warnings\n");
    EXPECT_EQ(Check({warned}).exit, CheckExit::Clean);
    EXPECT_EQ(Check({"--werror", warned}).exit, CheckExit::Errors);

    const Outcome bad = Check({faulty});
    EXPECT_EQ(bad.exit, CheckExit::Errors);
    EXPECT_EQ(bad.out, faulty + ":1:1: warning: unknown statement 'setappname'; did you mean "
                                "'SetAppName'? [S101]\n" +
                           faulty + ":1:18: warning: a character beyond ASCII in a script without the UTF-8 mark: "
                                    "each machine reads it in its own ANSI code page; save the script as UTF-8 with "
                                    "the mark [R005]\n" +
                           faulty + ":2:1: error: 'SetAppName' takes 1 argument, 2 given; setup stops here with exit "
                                    "code 2 [S102]\n" +
                           faulty + ":3:13: warning: variable 'APPNAM' is not set before this use; it reads as empty; "
                                    "did you mean 'APPNAME'? [V201]\n1 error, 3 warnings\n");

    const Outcome missing = Check({dir_ + "/none.ini"});
    EXPECT_EQ(missing.exit, CheckExit::Unreadable);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(Check({"--bogus", clean}).exit, CheckExit::Unreadable);
    EXPECT_EQ(Check({"--json", "--sarif", clean}).exit, CheckExit::Unreadable);
}

TEST_F(CheckerProgram, JsonLinesCarryEveryField) {
    const Outcome run = Check({"--json", Write("faulty.ini", kFaulty)});
    std::istringstream lines(run.out);
    std::vector<json> objects;
    for (std::string line; std::getline(lines, line);)
        objects.push_back(json::parse(line)); // throws on anything but one object
    ASSERT_EQ(objects.size(), 4u);
    for (const json& o : objects) {
        for (const char* key : {"file", "severity", "code", "message"})
            EXPECT_TRUE(o.at(key).is_string()) << key;
        for (const char* key : {"line", "column", "end_column"})
            EXPECT_TRUE(o.at(key).is_number_integer()) << key;
        EXPECT_TRUE(o.at("suggestion").is_string() || o.at("suggestion").is_null());
        EXPECT_GT(o["end_column"].get<int>(), o["column"].get<int>());
    }
    EXPECT_EQ(objects[0]["suggestion"], "SetAppName");
    EXPECT_EQ(objects[0]["end_column"], 11);
    EXPECT_EQ(objects[1]["code"], "R005");
    EXPECT_EQ(objects[2]["severity"], "error");
    EXPECT_EQ(objects[3]["column"], 13);
    EXPECT_EQ(objects[3]["end_column"], 21);
    // Windows-1252 text becomes UTF-8 through its escapes.
    EXPECT_EQ(JsonString("\xB4\x80\x01"), "\"\\u00b4\\u20ac\\u0001\"");
    // UTF-8 (a marked script) keeps its characters, beyond the first plane too.
    EXPECT_EQ(JsonString("\xCE\xB1\xE4\xB8\xAD\xF0\x9F\x98\x80"), "\"\\u03b1\\u4e2d\\ud83d\\ude00\"");
}

TEST_F(CheckerProgram, SarifLogHasTheRequiredShape) {
    const Outcome run = Check({"--sarif", Write("my script.ini", kFaulty)});
    const json log = json::parse(run.out);
    EXPECT_EQ(log.at("version"), "2.1.0");
    ASSERT_EQ(log.at("runs").size(), 1u);
    const json& runJson = log["runs"][0];
    const json& driver = runJson.at("tool").at("driver");
    EXPECT_EQ(driver.at("name"), "setupcheck");
    ASSERT_EQ(driver.at("rules").size(), AllCodes().size());
    const json& results = runJson.at("results");
    ASSERT_EQ(results.size(), 4u);
    for (const json& result : results) {
        EXPECT_TRUE(result.at("message").at("text").is_string());
        const std::string level = result.at("level");
        EXPECT_TRUE(level == "warning" || level == "error");
        const size_t index = result.at("ruleIndex");
        EXPECT_EQ(driver["rules"][index].at("id"), result.at("ruleId"));
        const json& location = result.at("locations").at(0).at("physicalLocation");
        EXPECT_NE(location.at("artifactLocation").at("uri").get<std::string>().find("my%20script.ini"),
                  std::string::npos);
        EXPECT_GE(location.at("region").at("startLine").get<int>(), 1);
        EXPECT_GE(location.at("region").at("startColumn").get<int>(), 1);
    }
    EXPECT_EQ(results[2]["locations"][0]["physicalLocation"]["region"]["startLine"], 2);
}

TEST_F(CheckerProgram, MediumIsTheScriptsDirectoryAndMatchesWithoutCase) {
    mkdir((dir_ + "/Files").c_str(), 0755);
    Write("Files/ReadMe.TXT", "x");
    Write("Files/.hidden", "x");
    const std::string script = Write(
        "SetupScript.ini",
        "CreateSection(\"M\",\"1\",\"0\",\"\")\n"
        "AddFile(\"[SP]\\files\\readme.txt\",\"[DP]\",\"M\",\"0\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\")\n"
        "AddFile(\"FILES\\*.*\",\"[DP]\",\"M\",\"0\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\")\n"
        "AddFile(\"[SP]\\files\\.hidden\",\"[DP]\",\"M\",\"0\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\")\n"
        "AddFile(\"C:\\elsewhere\\x.dll\",\"[SYSPATH]\\\",\"M\",\"0\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\")\n");
    EXPECT_EQ(Check({script}).out, script + ":4:9: warning: source '[SP]\\files\\.hidden' matches no file on the medium "
                                          "[F403]\n0 errors, 1 warning\n");
    // Another medium: nothing there.
    EXPECT_NE(Check({"--medium", "/nonexistent", script}).out.find("3 warnings"), std::string::npos);
}

TEST(CheckerCommandLine, OptionsAndDefaults) {
    const ParsedCommandLine none = ParseCommandLine({});
    ASSERT_TRUE(none.Valid);
    EXPECT_EQ(none.Options.Script, "SetupScript.ini");
    EXPECT_EQ(none.Options.Medium, ".");
    EXPECT_EQ(none.Options.Format, OutputFormat::Text);

    const ParsedCommandLine all = ParseCommandLine({"--sarif", "--werror", "--medium=m", "d\\s.ini"});
    ASSERT_TRUE(all.Valid);
    EXPECT_EQ(all.Options.Format, OutputFormat::Sarif);
    EXPECT_TRUE(all.Options.WarningsAreErrors);
    EXPECT_EQ(all.Options.Medium, "m");
    EXPECT_EQ(ParseCommandLine({"/x/s.ini"}).Options.Medium, "/x");
    EXPECT_FALSE(ParseCommandLine({"--medium"}).Valid);
    EXPECT_FALSE(ParseCommandLine({"a.ini", "b.ini"}).Valid);
    EXPECT_TRUE(ParseCommandLine({"-h"}).Help);
}

TEST(CheckerWildcard, MatchesAsWindowsDoes) {
    EXPECT_TRUE(MatchesWildcard("*.*", "README"));
    EXPECT_TRUE(MatchesWildcard("*.TXT", "a.b.txt"));
    EXPECT_TRUE(MatchesWildcard("a?c*", "ABCdef"));
    EXPECT_FALSE(MatchesWildcard("a?c", "ac"));
    EXPECT_FALSE(MatchesWildcard("*.txt", "a.txt.bak"));
}

// The demo that tools/demo.sh runs must check clean.
TEST(CheckerDemo, DemoScriptChecksClean) {
    const std::string script = std::string(SOURCE_DIR) + "/examples/demo/SetupScript.ini";
    std::ostringstream out, err;
    EXPECT_EQ(RunCheck({"--werror", script}, kPosix, out, err), CheckExit::Clean);
    EXPECT_EQ(out.str(), "0 errors, 0 warnings\n");
}
