#include <gtest/gtest.h>

#include "tests/native/UninstallLogHeader.h"
#include "tests/native/WesternPages.h"
#include "uninstall/LogCodePage.h"
#include "uninstall/UninstallLog.h"

namespace {
const Western kWestern;

class AppendSink : public ByteSink {
public:
    explicit AppendSink(std::string& bytes) : bytes_(bytes) {}
    bool Write(const char* data, size_t count) override {
        bytes_.append(data, count);
        return true;
    }

private:
    std::string& bytes_;
};

const std::string kDestination = "C:\\Program Files\\Caf\xC3\xA9";  // UTF-8
const std::string kCyrillic = "C:\\\xD0\x96\xD0\xB8\xD0\xB2";

TEST(LogCodePage, LegacyLogKeepsTheHeaderAndRecodesRecordsAndLeavesOutWhatHasNoForm) {
    std::string bytes;
    int failures = 0;
    UninstallLog log;
    log.Open(std::make_unique<AppendSink>(bytes), [&] { ++failures; });
    log.SetRecordCode([](const std::string& name) { return Recode(name, true, false, kWestern); });
    log.WriteHeader({12, 6, 2026});
    log.WriteShortcut(kDestination + "\\Caf\xC3\xA9.lnk");
    log.WriteNonSharedFile(kCyrillic, "A.TXT");
    log.WriteSharedFile(kCyrillic, "b.dll");
    log.WriteRegistrySection("Software\\Caf\xC3\xA9");
    log.Close();
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(bytes, kUninstallLogHeader +
                         "DATE:12/6/2026\r\n[FILES]\r\n"
                         "C:\\Program Files\\Caf\xE9\\Caf\xE9.lnk\r\nNONSHARED\r\n"
                         "[REGISTRY]\r\nSoftware\\Caf\xE9\r\n");
}

TEST(LogCodePage, UnicodeRecordsOnlyWhenTheRunNeedsThem) {
    const std::vector<std::string> western = {kDestination, "C:\\Users\\Ana\\Start Menu"};
    const std::vector<std::string> cyrillic = {kDestination, kCyrillic};
    EXPECT_FALSE(LogRecordsInUtf8(false, ScriptEncoding::Utf8, cyrillic, kWestern));
    EXPECT_FALSE(LogRecordsInUtf8(true, ScriptEncoding::Legacy, western, kWestern));
    EXPECT_TRUE(LogRecordsInUtf8(true, ScriptEncoding::Legacy, cyrillic, kWestern));
    EXPECT_TRUE(LogRecordsInUtf8(true, ScriptEncoding::Utf8, western, kWestern));
}

TEST(LogCodePage, ReadLogIsRecodedRecordForRecordOrRefusedAtTheLine) {
    ParsedLog log;
    log.Records = {{"C:\\Caf\xE9\\a.txt", RecordKind::NonShared, SelfRegistration::NotLoadable, 12},
                   {"C:\\Windows\\b.dll", RecordKind::Shared, SelfRegistration::Registered, 14}};
    log.KeyNames = {"Caf\xE9"};
    log.KeyLine = 18;
    const LogRecodeResult up = RecodeLog(log, false, true, kWestern);
    ASSERT_TRUE(up.Log);
    EXPECT_EQ(up.Log->Records[0].Path, "C:\\Caf\xC3\xA9\\a.txt");
    EXPECT_EQ(up.Log->Records[1].Path, "C:\\Windows\\b.dll");
    EXPECT_EQ(up.Log->Records[1].Kind, RecordKind::Shared);
    EXPECT_EQ(up.Log->KeyNames[0], "Caf\xC3\xA9");

    ParsedLog unicode = *up.Log;
    unicode.Records[1].Path = kCyrillic + "\\b.dll";
    const LogRecodeResult down = RecodeLog(unicode, true, false, kWestern);
    EXPECT_FALSE(down.Log);
    EXPECT_EQ(down.Line, 14u);
    unicode.Records.pop_back();
    unicode.KeyNames[0] = kCyrillic;
    EXPECT_EQ(RecodeLog(unicode, true, false, kWestern).Line, 18u);
}
} // namespace
