// An installation over an earlier one: the version texts, the earlier
// entry's judgement and the log that carries the earlier records over.
#include <gtest/gtest.h>

#include "UninstallLogHeader.h"
#include "WesternPages.h"
#include "text/VersionText.h"
#include "uninstall/EarlierInstallation.h"
#include "uninstall/UninstallLogReader.h"

namespace {

std::optional<std::string> Fingerprint(const std::string& bytes) {
    return std::to_string(std::hash<std::string>()(bytes)) + "/" + std::to_string(bytes.size());
}

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Games";

const std::string kEarlierLog = kUninstallLogHeader +
                                "DATE:3/1/2026\r\n[FILES]\r\n"
                                "C:\\GAMES\\A.EXE\r\nNONSHARED\r\n"
                                "C:\\GAMES\\B.TXT\r\nNONSHARED\r\n"
                                "C:\\WINDOWS\\SYSTEM\\SHARED.DLL\r\nSHARED\r\nAUTOREGSVR\r\n"
                                "[REGISTRY]\r\n" + kKey + "\r\n";

class StringSink : public ByteSink {
public:
    explicit StringSink(std::string& bytes) : bytes_(bytes) {}
    bool Write(const char* data, size_t count) override {
        bytes_.append(data, count);
        return true;
    }

private:
    std::string& bytes_;
};

EntryFindings GoodFindings() {
    EntryFindings findings;
    findings.EntryExists = true;
    findings.InstallLocation = "D:\\My Games";
    findings.DisplayVersion = "1.4";
    findings.LogBytes = kEarlierLog;
    findings.Digests.Current = Fingerprint(kEarlierLog);
    findings.KeyNames = {"Games"};
    return findings;
}

} // namespace

TEST(VersionText, DigitsInPartsJoinedBySingleDots) {
    for (const char* good : {"2", "2.1.0", "0.0.1", "10.20.30.40", "007"})
        EXPECT_TRUE(IsVersionText(good)) << good;
    for (const char* bad : {"", ".", "2.", ".2", "2..1", "2.1 beta", "v2", "2,1", "-1", " 2", "2.1\n"})
        EXPECT_FALSE(IsVersionText(bad)) << bad;
}

TEST(VersionText, PartsCompareAsNumbers) {
    EXPECT_LT(CompareVersions("2.9", "2.10"), 0);       // not as text
    EXPECT_GT(CompareVersions("10", "9.99.99"), 0);
    EXPECT_EQ(CompareVersions("2.01", "2.1"), 0);       // leading zeros
    EXPECT_EQ(CompareVersions("2", "2.0.0"), 0);        // missing parts are 0
    EXPECT_LT(CompareVersions("2", "2.0.1"), 0);
    EXPECT_GT(CompareVersions("1.0.0.1", "1"), 0);
    // Parts beyond any integer type still compare.
    EXPECT_LT(CompareVersions("1.99999999999999999999", "1.100000000000000000000"), 0);
    EXPECT_EQ(CompareVersions("0.000", "0"), 0);
}

TEST(VersionText, MajorAndMinorForTheEntry) {
    EXPECT_EQ(MajorMinorOf("2.1.0").Major, 2u);
    EXPECT_EQ(MajorMinorOf("2.1.0").Minor, 1u);
    EXPECT_EQ(MajorMinorOf("7").Minor, 0u);
    EXPECT_EQ(MajorMinorOf("4294967295.4294967296").Major, 0xFFFFFFFFu);
    EXPECT_EQ(MajorMinorOf("4294967295.4294967296").Minor, 0xFFFFFFFFu); // too large: the largest value
    EXPECT_EQ(MajorMinorOf("99999999999999999999999.3").Major, 0xFFFFFFFFu);
}

TEST(EarlierInstallation, CountsOnlyWithItsOwnUnchangedLog) {
    const EarlierLookup good = JudgeEarlierInstallation(GoodFindings(), Fingerprint);
    ASSERT_TRUE(good.Found) << good.Note;
    EXPECT_EQ(good.Found->Folder, "D:\\My Games\\");
    EXPECT_EQ(good.Found->Version, "1.4");
    ASSERT_EQ(good.Found->Log.Records.size(), 3u);
    EXPECT_NE(good.Note.find("D:\\My Games\\"), std::string::npos);
    EXPECT_TRUE(IsEarlierFolder(*good.Found, "d:\\my games"));
    EXPECT_TRUE(IsEarlierFolder(*good.Found, "D:\\My Games\\"));
    EXPECT_FALSE(IsEarlierFolder(*good.Found, "D:\\My Games 2\\"));
    EXPECT_FALSE(IsEarlierFolder(*good.Found, "D:\\"));

    struct Case {
        const char* why;
        void (*spoil)(EntryFindings&);
    };
    const Case absent[] = {
        {"no earlier installation", [](EntryFindings& f) { f.EntryExists = false; }},
        {"names no InstallLocation", [](EntryFindings& f) { f.InstallLocation.reset(); }},
        {"names no InstallLocation", [](EntryFindings& f) { f.InstallLocation = ""; }},
        {"cannot be read", [](EntryFindings& f) { f.LogBytes.reset(); }},
        {"was changed", [](EntryFindings& f) { (*f.LogBytes)[f.LogBytes->find("B.TXT")] = 'X'; }},
        {"holds no digest", [](EntryFindings& f) { f.Digests = StoredLogDigests{}; }},
        {"names another uninstall key", [](EntryFindings& f) { f.KeyNames = {"Games 2"}; }},
    };
    for (const Case& c : absent) {
        EntryFindings findings = GoodFindings();
        c.spoil(findings);
        const EarlierLookup lookup = JudgeEarlierInstallation(findings, Fingerprint);
        EXPECT_FALSE(lookup.Found) << c.why;
        EXPECT_NE(lookup.Note.find(c.why), std::string::npos) << lookup.Note;
    }

    // A log that matches its digest but is damaged is no installation either.
    EntryFindings damaged = GoodFindings();
    damaged.LogBytes = kEarlierLog.substr(0, kEarlierLog.find("[REGISTRY]"));
    damaged.Digests.Current = Fingerprint(*damaged.LogBytes);
    const EarlierLookup refused = JudgeEarlierInstallation(damaged, Fingerprint);
    EXPECT_FALSE(refused.Found);
    EXPECT_NE(refused.Note.find("is refused (line"), std::string::npos) << refused.Note;

    // The key compares without regard to case; a version that is no version is none.
    EntryFindings other = GoodFindings();
    other.KeyNames = {"GAMES"};
    other.DisplayVersion = "1.4 beta";
    const EarlierLookup kept = JudgeEarlierInstallation(other, Fingerprint);
    ASSERT_TRUE(kept.Found);
    EXPECT_EQ(kept.Found->Version, "");
}

namespace {

// The good findings with one more record, NAME in the log's own bytes.
EntryFindings FindingsWithFile(const std::string& name) {
    EntryFindings findings = GoodFindings();
    const size_t registry = kEarlierLog.find("[REGISTRY]");
    findings.LogBytes = kEarlierLog.substr(0, registry) + "C:\\GAMES\\" + name + "\r\nNONSHARED\r\n" +
                        kEarlierLog.substr(registry);
    findings.Digests.Current = Fingerprint(*findings.LogBytes);
    return findings;
}

} // namespace

// An earlier log in the other code page: its names are taken into this run's,
// and a name this run cannot write leaves the entry absent.
TEST(EarlierInstallation, ItsNamesComeIntoThisRunsCodePage) {
    const Western pages;
    const auto judged = [&](const std::string& name, bool fromUtf8) {
        return JudgeEarlierInstallation(FindingsWithFile(name), Fingerprint, [&](const ParsedLog& log) {
            return RecodeLog(log, fromUtf8, !fromUtf8, pages);
        });
    };
    const EarlierLookup intoUtf8 = judged("CAF\xC9.TXT", false);
    ASSERT_TRUE(intoUtf8.Found) << intoUtf8.Note;
    EXPECT_EQ(intoUtf8.Found->Log.Records.back().Path, "C:\\GAMES\\CAF\xC3\x89.TXT");

    const EarlierLookup intoLegacy = judged("\xCE\xA9.TXT", true);
    EXPECT_FALSE(intoLegacy.Found);
    EXPECT_NE(intoLegacy.Note.find("has no form in this system's code page"), std::string::npos) << intoLegacy.Note;
}

// The upgrade's log: the earlier records first, then this run's; a non-shared
// file both install appears once, a shared file once per installation.
TEST(UpgradeLog, EarlierRecordsThenNewOnesWithoutRepeats) {
    const LogReadResult earlier = ReadUninstallLogText(kEarlierLog);
    ASSERT_TRUE(earlier.Log);
    std::string bytes;
    UninstallLog log;
    log.Open(std::make_unique<StringSink>(bytes), nullptr);
    log.WriteHeader(LogDate{4, 2, 2026});
    for (const LogRecord& record : earlier.Log->Records)
        WriteRecord(log, record);
    log.WriteNonSharedFile("c:\\games", "a.exe"); // the same file, written in other case
    log.WriteNonSharedFile("C:\\GAMES", "C.DAT");
    log.WriteSharedFile("C:\\WINDOWS\\SYSTEM", "SHARED.DLL");
    log.WriteSelfRegistration(true);
    log.WriteShortcut("C:\\MENU\\GAMES\\A.LNK");
    log.WriteShortcut("C:\\MENU\\GAMES\\A.LNK");
    log.WriteRegistrySection(kKey);
    log.Close();

    const std::string expected = kUninstallLogHeader +
                                 "DATE:4/2/2026\r\n[FILES]\r\n"
                                 "C:\\GAMES\\A.EXE\r\nNONSHARED\r\n"
                                 "C:\\GAMES\\B.TXT\r\nNONSHARED\r\n"
                                 "C:\\WINDOWS\\SYSTEM\\SHARED.DLL\r\nSHARED\r\nAUTOREGSVR\r\n"
                                 "C:\\GAMES\\C.DAT\r\nNONSHARED\r\n"
                                 "C:\\WINDOWS\\SYSTEM\\SHARED.DLL\r\nSHARED\r\nAUTOREGSVR\r\n"
                                 "C:\\MENU\\GAMES\\A.LNK\r\nNONSHARED\r\n"
                                 "[REGISTRY]\r\n" + kKey + "\r\n";
    EXPECT_EQ(bytes, expected);
    // The merged log reads back as any log, so the uninstaller takes it.
    const LogReadResult merged = ReadUninstallLogText(bytes);
    ASSERT_TRUE(merged.Log) << DescribeRefusal(merged);
    EXPECT_EQ(merged.Log->Records.size(), 6u);

    // A second upgrade carries the merged records over unchanged.
    std::string again;
    UninstallLog second;
    second.Open(std::make_unique<StringSink>(again), nullptr);
    second.WriteHeader(LogDate{4, 2, 2026});
    for (const LogRecord& record : merged.Log->Records)
        WriteRecord(second, record);
    second.WriteRegistrySection(kKey);
    second.Close();
    EXPECT_EQ(again, expected);
}
