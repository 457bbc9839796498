// setuppack --manifest: the three files read back with a YAML reader, the
// bundle's digest, and the refusals.
#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BundleTestSupport.h"
#include "checker/HostMedium.h"
#include "setuppack/PackRun.h"
#include "setuppack/PackageManifest.h"
#include "text/Sha256.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PackageManifest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("manifest-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "medium");
        fs::create_directories(dir_ / "programs");
        // The name in Windows-1252: the manifest holds it as Unicode.
        Script("SetAppName(\"Demo \xC4 #1's\")\r\nSetDeveloperName(\"Maker: Inc\")\r\nSetAppVersion(\"2.10\")\r\n");
        for (const char* program : {"setup.exe", "TAUninstall.exe", "bundleloader.exe"})
            std::ofstream(dir_ / "programs" / program, std::ios::binary) << test_pe::Image();
        parts_.Check = CheckPlatformParts{IsAlphaNumeric1252, [](const std::string& medium) {
                                              return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                          }};
        parts_.DefaultPrograms = [this](PackArch) { return (dir_ / "programs").string(); };
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Script(const std::string& text) {
        std::ofstream(dir_ / "medium" / "SetupScript.ini", std::ios::binary) << text;
    }

    PackExit Pack(std::vector<std::string> extra) {
        std::vector<std::string> args{"--arch", "64", "-o", (dir_ / "Demo.exe").string(), (dir_ / "medium").string()};
        args.insert(args.begin(), extra.begin(), extra.end());
        std::ostringstream out;
        err_.str("");
        return RunPack(args, parts_, out, err_);
    }

    fs::path Manifest() const { return dir_ / "manifest"; }
    std::vector<std::string> WithManifest(std::vector<std::string> more = {}) const {
        std::vector<std::string> args{"--manifest", Manifest().string(), "--id", "Maker.Demo"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    fs::path dir_;
    PackPlatformParts parts_;
    std::ostringstream err_;
};

} // namespace

TEST(Sha256, KnownDigestsAcrossTheBlockEdges) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the last block.
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(PackageManifestIdentifier, PublisherDotName) {
    EXPECT_EQ(IdentifierProblem("Maker.Demo"), "");
    EXPECT_EQ(IdentifierProblem("A.B.C.D.E.F.G.H"), "");
    for (const char* bad : {"Demo", "Maker.", ".Demo", "Maker..Demo", "Maker Inc.Demo", "Maker.De/mo", "A.B.C.D.E.F.G.H.I",
                            "Maker.Demo\x01"})
        EXPECT_NE(IdentifierProblem(bad), "") << bad;
    EXPECT_NE(IdentifierProblem("M." + std::string(33, 'x')), "");
}

TEST_F(PackageManifest, ThreeFilesThatReadBackAsTheBundleAndTheScriptSay) {
    ASSERT_EQ(Pack(WithManifest({"--url", "https://example.com/dl/Demo.exe"})), PackExit::Written) << err_.str();
    const std::string bundle = ReadAll(dir_ / "Demo.exe");

    const YAML::Node version = YAML::LoadFile((Manifest() / "Maker.Demo.yaml").string());
    EXPECT_EQ(version["PackageIdentifier"].as<std::string>(), "Maker.Demo");
    EXPECT_EQ(version["PackageVersion"].as<std::string>(), "2.10");
    EXPECT_EQ(version["PackageVersion"].Tag(), "!"); // quoted: a text, never the number 2.1
    EXPECT_EQ(version["DefaultLocale"].as<std::string>(), "en-US");
    EXPECT_EQ(version["ManifestType"].as<std::string>(), "version");
    EXPECT_EQ(version["ManifestVersion"].as<std::string>(), "1.10.0");

    const YAML::Node installer = YAML::LoadFile((Manifest() / "Maker.Demo.installer.yaml").string());
    EXPECT_EQ(installer["InstallerType"].as<std::string>(), "exe");
    EXPECT_EQ(installer["Scope"].as<std::string>(), "machine");
    EXPECT_EQ(installer["UpgradeBehavior"].as<std::string>(), "install");
    const YAML::Node switches = installer["InstallerSwitches"];
    EXPECT_EQ(switches["Silent"].as<std::string>(), "/VERYSILENT");
    EXPECT_EQ(switches["SilentWithProgress"].as<std::string>(), "/SILENT");
    EXPECT_EQ(switches["InstallLocation"].as<std::string>(), "/DIR=\"<INSTALLPATH>\"");
    EXPECT_EQ(switches["Log"].as<std::string>(), "/LOG=\"<LOGPATH>\"");
    std::map<int, std::string> codes;
    for (const YAML::Node& code : installer["ExpectedReturnCodes"])
        codes[code["InstallerReturnCode"].as<int>()] = code["ReturnResponse"].as<std::string>();
    EXPECT_EQ(codes, (std::map<int, std::string>{{1602, "cancelledByUser"},
                                                 {1618, "installInProgress"},
                                                 {1638, "downgrade"},
                                                 {1639, "invalidParameter"},
                                                 {3010, "rebootRequiredToFinish"}}));
    const std::string name = "Demo \xC3\x84 #1's";
    ASSERT_EQ(installer["AppsAndFeaturesEntries"].size(), 1u);
    const YAML::Node entry = installer["AppsAndFeaturesEntries"][0];
    EXPECT_EQ(entry["DisplayName"].as<std::string>(), name);
    EXPECT_EQ(entry["Publisher"].as<std::string>(), "Maker: Inc");
    EXPECT_EQ(entry["DisplayVersion"].as<std::string>(), "2.10");
    EXPECT_EQ(entry["ProductCode"].as<std::string>(), name); // the uninstall entry's key name
    ASSERT_EQ(installer["Installers"].size(), 1u);
    const YAML::Node file = installer["Installers"][0];
    EXPECT_EQ(file["Architecture"].as<std::string>(), "x64");
    EXPECT_EQ(file["InstallerUrl"].as<std::string>(), "https://example.com/dl/Demo.exe");
    std::string digest = Sha256Hex(bundle);
    for (char& c : digest)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(file["InstallerSha256"].as<std::string>(), digest);
    EXPECT_EQ(installer["ManifestType"].as<std::string>(), "installer");

    const YAML::Node locale = YAML::LoadFile((Manifest() / "Maker.Demo.locale.en-US.yaml").string());
    EXPECT_EQ(locale["PackageLocale"].as<std::string>(), "en-US");
    EXPECT_EQ(locale["Publisher"].as<std::string>(), "Maker: Inc");
    EXPECT_EQ(locale["PackageName"].as<std::string>(), name);
    EXPECT_EQ(locale["ManifestType"].as<std::string>(), "defaultLocale");
    EXPECT_EQ(locale["PackageVersion"].as<std::string>(), "2.10");

    // The same medium gives the same bytes.
    const std::string first = ReadAll(Manifest() / "Maker.Demo.installer.yaml");
    ASSERT_EQ(Pack(WithManifest({"--url", "https://example.com/dl/Demo.exe"})), PackExit::Written);
    EXPECT_EQ(ReadAll(Manifest() / "Maker.Demo.installer.yaml"), first);
    EXPECT_EQ(ReadAll(dir_ / "Demo.exe"), bundle);

    // Without --url the manifest says nothing of a download.
    ASSERT_EQ(Pack(WithManifest()), PackExit::Written);
    EXPECT_FALSE(YAML::LoadFile((Manifest() / "Maker.Demo.installer.yaml").string())["Installers"][0]["InstallerUrl"]);
}

TEST_F(PackageManifest, RefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* script;
        std::vector<std::string> args;
        const char* named; // what the refusal names
        PackExit expected;
    };
    const Case cases[] = {
        {"SetAppName(\"Demo\")\r\nSetDeveloperName(\"Maker\")\r\n", {}, "SetAppVersion", PackExit::ScriptErrors},
        {"SetAppName(\"Demo\")\r\nSetAppVersion(\"1.0\")\r\n", {}, "SetDeveloperName", PackExit::ScriptErrors},
        {"SetDeveloperName(\"Maker\")\r\nSetAppVersion(\"1.0\")\r\n", {}, "SetAppName", PackExit::ScriptErrors},
        {"SetAppName(\"Demo\")\r\nSetDeveloperName(\"Maker\")\r\nSetAppVersion(\"1.0 beta\")\r\n", {}, "script check found errors",
         PackExit::ScriptErrors},
        {"SetAppName(\"Demo\")\r\n", {"--id", "Maker"}, "Publisher.Name", PackExit::Unpackable},
    };
    for (const Case& c : cases) {
        SetUp();
        Script(c.script);
        std::vector<std::string> args = c.args.empty() ? WithManifest() : std::vector<std::string>{"--manifest", Manifest().string(), c.args[0], c.args[1]};
        EXPECT_EQ(Pack(args), c.expected) << c.named << ": " << err_.str();
        EXPECT_NE(err_.str().find(c.named), std::string::npos) << err_.str();
        EXPECT_FALSE(fs::exists(dir_ / "Demo.exe")) << c.named;
        EXPECT_FALSE(fs::exists(Manifest())) << c.named;
    }
    SetUp();
    EXPECT_EQ(Pack({"--id", "Maker.Demo"}), PackExit::Unpackable);
    EXPECT_NE(err_.str().find("belong to --manifest"), std::string::npos);
}
