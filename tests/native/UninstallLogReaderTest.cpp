#include <gtest/gtest.h>

#include "tests/native/UninstallLogHeader.h"
#include "uninstall/UninstallLogReader.h"

namespace {
const std::string Header = kUninstallLogHeader + "DATE:12/6/2026\r\n[FILES]\r\n";
const std::string Key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The example installation: a program, its shortcut, three shared files.
const std::string Example = Header +
                            "C:\\PROGRA~1\\DEMO\\DEMO.EXE\r\nNONSHARED\r\n"
                            "C:\\WINDOWS\\Start Menu\\Programs\\Demo\\Demo.lnk\r\nNONSHARED\r\n"
                            "C:\\WINDOWS\\SYSTEM\\DemoLib.dll\r\nSHARED\r\nAUTOREGSVR\r\n"
                            "C:\\WINDOWS\\SYSTEM\\Plain.dll\r\nSHARED\r\nNOAUTOREGSVR\r\n"
                            "C:\\WINDOWS\\SYSTEM\\data.bin\r\nSHARED\r\n"
                            "[REGISTRY]\r\n" + Key + "Tarvane\\Demo\r\n";

std::string WithLf(std::string text) {
    std::string result;
    for (const char c : text) {
        if (c != '\r')
            result += c;
    }
    return result;
}

// Replaces the first occurrence of from.
std::string Tampered(const std::string& from, const std::string& to) {
    std::string text = Example;
    text.replace(text.find(from), from.size(), to);
    return text;
}
}

TEST(UninstallLogReader, ReadsEveryRecordKindWithCrLfAndLf) {
    for (const std::string& text : {Example, WithLf(Example)}) {
        const LogReadResult result = ReadUninstallLogText(text);
        ASSERT_TRUE(result.Log) << DescribeRefusal(result);
        const ParsedLog& log = *result.Log;
        EXPECT_EQ(log.Date.Month, 12);
        EXPECT_EQ(log.Date.Day, 6);
        EXPECT_EQ(log.Date.Year, 2026);
        ASSERT_EQ(log.Records.size(), 5u);
        EXPECT_EQ(log.Records[0].Path, "C:\\PROGRA~1\\DEMO\\DEMO.EXE");
        EXPECT_EQ(log.Records[0].Kind, RecordKind::NonShared);
        EXPECT_EQ(log.Records[0].Line, 12u);
        EXPECT_EQ(log.Records[1].Line, 14u);
        EXPECT_EQ(log.Records[2].Kind, RecordKind::Shared);
        EXPECT_EQ(log.Records[2].Registration, SelfRegistration::Registered);
        EXPECT_EQ(log.Records[3].Registration, SelfRegistration::NotExported);
        EXPECT_EQ(log.Records[4].Registration, SelfRegistration::NotLoadable);
        EXPECT_EQ(log.Records[4].Line, 22u);
        EXPECT_EQ(log.KeyNames, (std::vector<std::string>{"Tarvane", "Demo"}));
        EXPECT_EQ(log.KeyLine, 25u);
    }
}

TEST(UninstallLogReader, EmptyInstallationAndTrailingBlankLines) {
    const LogReadResult result = ReadUninstallLogText(Header + "[REGISTRY]\r\n" + Key + "Demo\r\n\r\n");
    ASSERT_TRUE(result.Log) << DescribeRefusal(result);
    EXPECT_TRUE(result.Log->Records.empty());
    EXPECT_TRUE(ReadUninstallLogText(Header + "[REGISTRY]\r\n" + Key + "Demo").Log);
}

TEST(UninstallLogReader, RefusesAnyDepartureNamingItsLine) {
    struct Case {
        std::string Text;
        size_t Line;
        std::string Words;
    } cases[] = {
        {"", 1, "ORUNLOG V1"},
        {Tampered("DON\xB4T", "DON'T"), 6, "header line"},
        {Tampered("\r\n\r\nORLISK", "\r\nORLISK"), 2, "header line"},
        {Tampered("DATE:12/6/2026", "DATE:13/6/2026"), 10, "date line"},
        {Tampered("DATE:12/6/2026", "DATE:12/6"), 10, "date line"},
        {Tampered("[FILES]", "[FILE]"), 11, "[FILES]"},
        {Tampered("NONSHARED", "NONSHARD"), 13, "unknown keyword \"NONSHARD\""},
        {Tampered("C:\\PROGRA~1\\DEMO\\DEMO.EXE\r\n", ""), 12, "NONSHARED stands where a file path"},
        {Tampered("NOAUTOREGSVR\r\n", "NOAUTOREGSVR\r\nAUTOREGSVR\r\n"), 22, "AUTOREGSVR stands"},
        {Tampered("C:\\WINDOWS\\SYSTEM\\data.bin\r\n", "\r\n"), 22, "empty line"},
        {Header + "C:\\A.TXT\r\n", 13, "has no NONSHARED or SHARED line"},
        {Header + "C:\\A.TXT\r\nNONSHARED\r\n", 14, "ends before \"[REGISTRY]\""},
        {Header + "[REGISTRY]\r\n", 13, "ends before the registry key"},
        {Tampered(Key + "Tarvane", "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Tarvane"), 25, "not below"},
        {Tampered(Key + "Tarvane\\Demo", Key), 25, "not below"},
        {Tampered(Key + "Tarvane\\Demo", Key + "Tarvane\\\\Demo"), 25, "not below"},
        {Tampered(Key + "Tarvane\\Demo", Key + std::string(256, 'x')), 25, "not below"},
        {Example + "C:\\EXTRA.TXT\r\n", 26, "nothing may follow"},
    };
    for (const Case& c : cases) {
        const LogReadResult result = ReadUninstallLogText(c.Text);
        EXPECT_FALSE(result.Log) << c.Words;
        EXPECT_EQ(result.ErrorLine, c.Line) << DescribeRefusal(result);
        EXPECT_NE(result.Error.find(c.Words), std::string::npos) << DescribeRefusal(result);
        EXPECT_EQ(DescribeRefusal(result).rfind("line " + std::to_string(c.Line) + ": ", 0), 0u);
    }
}

TEST(UninstallLogReader, RemainingLogKeepsWhatIsLeftAndReadsBack) {
    const ParsedLog log = *ReadUninstallLogText(WithLf(Example)).Log;
    // All records: the writer's bytes, CR LF whatever the log had.
    EXPECT_EQ(ComposeRemainingLog(log, std::vector<bool>(log.Records.size(), true)), Example);
    const std::string remaining = ComposeRemainingLog(log, {true, false, true, false, false});
    EXPECT_EQ(remaining, Header +
                             "C:\\PROGRA~1\\DEMO\\DEMO.EXE\r\nNONSHARED\r\n"
                             "C:\\WINDOWS\\SYSTEM\\DemoLib.dll\r\nSHARED\r\nAUTOREGSVR\r\n"
                             "[REGISTRY]\r\n" + Key + "Tarvane\\Demo\r\n");
    EXPECT_EQ(ReadUninstallLogText(ComposeRemainingLog(log, {})).Log->Records.size(), 0u);
}
