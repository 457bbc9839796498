#include <gtest/gtest.h>

#include "UninstallLogHeader.h"
#include "uninstall/LogDigest.h"

namespace {
// Stands in for SHA-256: any change of the bytes changes it.
std::optional<std::string> Fingerprint(const std::string& bytes) {
    return std::to_string(std::hash<std::string>()(bytes)) + "/" + std::to_string(bytes.size());
}

const std::string kLog = std::string(kUninstallLogHeader) +
                         "DATE:12/7/2026\r\n[FILES]\r\nC:\\GAMES\\README.TXT\r\nNONSHARED\r\n[REGISTRY]\r\n"
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Games\r\n";
}

TEST(LogDigest, OnlyTheLogThatWasDigestedMatches) {
    const StoredLogDigests stored{Fingerprint(kLog), std::nullopt};
    EXPECT_EQ(CheckLogDigest(kLog, stored, Fingerprint), DigestVerdict::Matches);

    std::string oneByte = kLog;
    oneByte[oneByte.find("README")] = 'X';
    EXPECT_EQ(CheckLogDigest(oneByte, stored, Fingerprint), DigestVerdict::Changed);

    std::string added = kLog;
    added.insert(added.find("[REGISTRY]"), "C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL\r\nNONSHARED\r\n");
    EXPECT_EQ(CheckLogDigest(added, stored, Fingerprint), DigestVerdict::Changed);

    // An entry from before digests were kept.
    EXPECT_EQ(CheckLogDigest(added, StoredLogDigests{}, Fingerprint), DigestVerdict::NoDigest);
    // An entry of a setup that stores digests, left without one.
    EXPECT_EQ(CheckLogDigest(kLog, StoredLogDigests{std::nullopt, std::nullopt, true}, Fingerprint), DigestVerdict::Missing);
    EXPECT_EQ(CheckLogDigest(kLog, StoredLogDigests{Fingerprint(kLog), std::nullopt, true}, Fingerprint),
              DigestVerdict::Matches);
}

TEST(LogDigest, AnInterruptedRewriteMatchesEitherDigest) {
    const std::string rewritten = kLog.substr(0, kLog.find("C:\\")) + kLog.substr(kLog.find("[REGISTRY]"));
    const StoredLogDigests midway{Fingerprint(kLog), Fingerprint(rewritten)};
    EXPECT_EQ(CheckLogDigest(kLog, midway, Fingerprint), DigestVerdict::Matches);
    EXPECT_EQ(CheckLogDigest(rewritten, midway, Fingerprint), DigestVerdict::Matches);
    EXPECT_EQ(CheckLogDigest(rewritten + "x", midway, Fingerprint), DigestVerdict::Changed);
}

TEST(LogDigest, StoredDigestWithoutTheMeansToCheckItRemovesNothing) {
    const auto unavailable = [](const std::string&) { return std::optional<std::string>(); };
    EXPECT_EQ(CheckLogDigest(kLog, StoredLogDigests{Fingerprint(kLog), std::nullopt}, unavailable),
              DigestVerdict::Uncheckable);
    EXPECT_EQ(CheckLogDigest(kLog, StoredLogDigests{}, unavailable), DigestVerdict::NoDigest);
}

TEST(LogDigest, HexDigits) {
    const unsigned char bytes[] = {0x00, 0x0f, 0xab, 0xff};
    EXPECT_EQ(HexDigits(bytes, 4), "000fabff");
    EXPECT_EQ(HexDigits(bytes, 0), "");
}
