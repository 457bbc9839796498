// setuppack as a program: exit codes, what it refuses, the output only when
// complete; and what the loader reads of its command line and says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BundleTestSupport.h"
#include "checker/HostMedium.h"
#include "loader/LoaderTexts.h"
#include "setuppack/FileSource.h"
#include "setuppack/PackRun.h"

namespace {

namespace fs = std::filesystem;

class SetuppackProgram : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("setuppack-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "medium" / "files");
        fs::create_directories(dir_ / "programs");
        Write("medium/SetupScript.ini", "SetAppName(\"Demo\")\r\n");
        Write("medium/files/a.txt", std::string(3000, 'a'));
        for (const char* program : {"setup.exe", "TAUninstall.exe", "bundleloader.exe"})
            Write(std::string("programs/") + program, test_pe::Image());
        parts_.Check = CheckPlatformParts{IsAlphaNumeric1252, [](const std::string& medium) {
                                              return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                          }};
        parts_.DefaultPrograms = [this](PackArch) { return (dir_ / "programs").string(); };
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& name, const std::string& bytes) { std::ofstream(dir_ / name, std::ios::binary) << bytes; }

    PackExit Pack(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--arch", "64", "-o", Output(), (dir_ / "medium").string()};
        args.insert(args.begin(), extra.begin(), extra.end());
        std::ostringstream out;
        err_.str("");
        return RunPack(args, parts_, out, err_);
    }
    std::string Output() const { return (dir_ / "Demo.exe").string(); }
    std::string Bytes() const {
        std::ifstream in(Output(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
    PackPlatformParts parts_;
    std::ostringstream err_;
};

TEST_F(SetuppackProgram, PacksTheMediumWithTheProgramsItLacks) {
    ASSERT_EQ(Pack(), PackExit::Written) << err_.str();
    const std::string first = Bytes();
    EXPECT_EQ(first.substr(0, test_pe::kImageSize), test_pe::Image());
    FileSource source(Output());
    const Checked<CheckedPayload> payload = CheckPayload(source, [](uint64_t) {});
    ASSERT_TRUE(payload);
    std::vector<std::string> paths;
    for (const PackedFile& file : payload.Value.Files)
        paths.push_back(file.Path);
    // The top folder's small files and setup.exe lead; the rest follows.
    EXPECT_EQ(paths, (std::vector<std::string>{"setup.exe", "SetupScript.ini", "TAUninstall.exe", "files\\a.txt"}));
    EXPECT_EQ(payload.Value.Header.LeadCount, 3u);
    ASSERT_EQ(Pack(), PackExit::Written);
    EXPECT_EQ(Bytes(), first);
    EXPECT_FALSE(fs::exists(Output() + ".part"));
}

TEST_F(SetuppackProgram, WritesNothingWhenItCannotPack) {
    struct Case {
        const char* What;
        std::function<void()> Spoil;
        std::vector<std::string> Extra;
        PackExit Expected;
    };
    const std::string signedLoader = [] {
        std::string image = test_pe::Image() + std::string(16, 'C');
        test_pe::SetCertificate(image, test_pe::kImageSize, 16);
        return image;
    }();
    const Case cases[] = {
        {"script error", [&] { Write("medium/SetupScript.ini", "SetAppName(\"a\", \"b\", \"c\")\r\n"); }, {}, PackExit::ScriptErrors},
        {"warning with --werror", [&] { Write("medium/SetupScript.ini", "setappname(\"x\")\r\n"); }, {"--werror"}, PackExit::ScriptErrors},
        {"no script", [&] { fs::remove(dir_ / "medium/SetupScript.ini"); }, {}, PackExit::Unpackable},
        {"device name", [&] { Write("medium/files/nul.txt", "x"); }, {}, PackExit::Unpackable},
        {"names differing in case", [&] { Write("medium/files/A.TXT", "x"); }, {}, PackExit::Unpackable},
        {"32-bit loader", [&] { Write("programs/bundleloader.exe", test_pe::Image(0x14C)); }, {}, PackExit::Unpackable},
        {"signed loader", [&] { Write("programs/bundleloader.exe", signedLoader); }, {}, PackExit::Unpackable},
        {"no setup.exe", [&] { fs::remove(dir_ / "programs/setup.exe"); }, {}, PackExit::Unpackable},
        {"bad option", [] {}, {"--level", "10"}, PackExit::Unpackable},
    };
    for (const Case& c : cases) {
        SetUp();
        c.Spoil();
        EXPECT_EQ(Pack(c.Extra), c.Expected) << c.What << ": " << err_.str();
        EXPECT_NE(err_.str().find("setuppack: "), std::string::npos) << c.What;
        EXPECT_FALSE(fs::exists(Output())) << c.What;
        EXPECT_FALSE(fs::exists(Output() + ".part")) << c.What;
    }
}

TEST(BundleLoaderTexts, SayWhatIsWrongAndHowMuchIsMissing) {
    EXPECT_EQ(ByteCountText(1), "1 byte");
    EXPECT_EQ(ByteCountText(1023), "1023 bytes");
    EXPECT_EQ(ByteCountText(1536), "1.5 KB");
    EXPECT_EQ(ByteCountText(10 * 1024 * 1024 + 1), "10.1 MB");
    EXPECT_EQ(MissingSpaceText("C:", 3u << 20, 1u << 20),
              "Setup needs 3.0 MB on C: to unpack its files, but only 1.0 MB are free.\n\n"
              "Please free 2.0 MB and start setup again.");
    EXPECT_NE(DamagedText(PayloadProblem::Truncated).find("download it again"), std::string::npos);
}

} // namespace
