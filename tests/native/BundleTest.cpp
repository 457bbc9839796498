// The bundle's payload: written from files, read back through the PE
// layout, and refused whole when any part of it is damaged or hostile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "BundleTestSupport.h"
#include "bundle/EntryPath.h"
#include "setuppack/LeadOrder.h"
#include "setuppack/MediumTree.h"
#include "setuppack/PayloadWriter.h"

namespace {

namespace fs = std::filesystem;

const auto kIgnore = [](uint64_t) {};

std::string RandomBytes(size_t size) {
    std::mt19937 generator(42);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator());
    return bytes;
}

class BundleTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("bundle-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        contents_ = {{"SetupScript.ini", "SetAppName(\"x\")\r\n"},
                     {"files\\ReadMe.txt", std::string(5000, 'r')},
                     {"files\\empty.dat", ""},
                     {"noise.bin", RandomBytes(70000)}};
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<PackSource> Sources() {
        std::vector<PackSource> sources;
        int n = 0;
        for (const auto& [entry, bytes] : contents_) {
            const fs::path host = dir_ / ("in" + std::to_string(n++));
            std::ofstream(host, std::ios::binary) << bytes;
            sources.push_back(PackSource{entry, host.string()});
        }
        return sources;
    }

    std::string Bundle(int level = 9, uint32_t leadCount = 0) {
        return BundleOf(Sources(), level, leadCount);
    }

    std::string BundleOf(const std::vector<PackSource>& sources, int level, uint32_t leadCount) {
        std::ostringstream payload;
        const PayloadWriteResult result =
            WritePayload(sources, level, leadCount, payload, (dir_ / "scratch").string());
        EXPECT_TRUE(result.Written) << result.Error;
        EXPECT_FALSE(fs::exists(dir_ / "scratch"));
        return test_pe::Image() + payload.str();
    }

    // Checks and unpacks; the problem, or None with the files in sink.
    static PayloadProblem Unpack(const std::string& bundle, MemorySink& sink) {
        MemorySource source(bundle);
        const Checked<CheckedPayload> checked = CheckPayload(source, kIgnore);
        if (!checked)
            return checked.Problem;
        return UnpackPayload(source, checked.Value, sink, kIgnore) == UnpackOutcome::Unpacked
                   ? PayloadProblem::None
                   : PayloadProblem::DataDamaged;
    }

    fs::path dir_;
    std::map<std::string, std::string> contents_;
};

TEST_F(BundleTest, UnpacksWhatWasPackedCompressingOnlyWhatShrinks) {
    for (const int level : {0, 1, 9}) {
        const std::string bundle = Bundle(level);
        MemorySink sink;
        ASSERT_EQ(Unpack(bundle, sink), PayloadProblem::None) << level;
        EXPECT_EQ(sink.Files, contents_) << level;
        MemorySource source(bundle);
        const Checked<CheckedPayload> checked = CheckPayload(source, kIgnore);
        for (const PackedFile& file : checked.Value.Files) {
            const bool compressed = level > 0 && file.Path != "noise.bin";
            EXPECT_EQ(file.Method == PackMethod::Lzma, compressed) << file.Path << " at level " << level;
        }
    }
    EXPECT_LT(Bundle().size(), test_pe::kImageSize + 70000 + 1000); // the text files shrank
    EXPECT_EQ(Bundle(), Bundle());                                // same input, same bytes
}

TEST_F(BundleTest, RefusesEveryDamageBeforeUnpackingAnything) {
    const std::string bundle = Bundle();
    const size_t payload = test_pe::kImageSize;
    struct Damage {
        const char* What;
        size_t Offset;
        PayloadProblem Expected;
    };
    const Damage damages[] = {{"magic", payload, PayloadProblem::BadMagic},
                              {"header", payload + 20, PayloadProblem::HeaderDamaged},
                              {"index", payload + kPayloadHeaderSize + 3, PayloadProblem::IndexDamaged},
                              {"data", bundle.size() / 2 + payload / 2, PayloadProblem::DataDamaged},
                              {"last byte", bundle.size() - 1, PayloadProblem::DataDamaged}};
    for (const Damage& damage : damages) {
        std::string damaged = bundle;
        damaged[damage.Offset] ^= 0x01;
        MemorySink sink;
        EXPECT_EQ(Unpack(damaged, sink), damage.Expected) << damage.What;
        EXPECT_TRUE(sink.Files.empty()) << damage.What;
    }
    for (const size_t cut : {size_t(1), size_t(100), bundle.size() - payload - 10}) {
        MemorySink sink;
        EXPECT_EQ(Unpack(bundle.substr(0, bundle.size() - cut), sink), PayloadProblem::Truncated) << cut;
        EXPECT_TRUE(sink.Files.empty());
    }
}

TEST_F(BundleTest, ReadsOnlyUpToTheCertificateTable) {
    std::string signedBundle = Bundle();
    const size_t payloadEnd = signedBundle.size();
    signedBundle.append(8 - payloadEnd % 8, '\0'); // padding before the table
    const size_t table = signedBundle.size();
    signedBundle += std::string(64, 'C');
    test_pe::SetCertificate(signedBundle, table, 64);
    std::string appended = signedBundle + "data appended after signing";
    for (const std::string* bundle : {&signedBundle, &appended}) {
        MemorySink sink;
        EXPECT_EQ(Unpack(*bundle, sink), PayloadProblem::None);
        EXPECT_EQ(sink.Files, contents_);
    }
    // A table that claims to start inside the image, or to run past the file.
    std::string inside = signedBundle;
    test_pe::SetCertificate(inside, 0x300, 64);
    std::string beyond = signedBundle;
    test_pe::SetCertificate(beyond, table, 65);
    for (const std::string* bundle : {&inside, &beyond}) {
        MemorySink sink;
        EXPECT_EQ(Unpack(*bundle, sink), PayloadProblem::Truncated);
    }
}

TEST_F(BundleTest, PutsWhatSetupNeedsFirstAndUnpacksInTwoParts) {
    contents_ = {{"SetupScript.ini", "SetAppName(\"x\")\r\n"},
                 {"setup.exe", RandomBytes(3 << 20)}, // a large setup.exe still leads
                 {"Big.dat", std::string(kLargestLeadFile + 1, 'b')},
                 {"files\\a.txt", std::string(9000, 'a')},
                 {"files\\noise.bin", RandomBytes(70000)},
                 {"files\\z.txt", std::string(300, 'z')}};
    std::vector<PackSource> sources = Sources();
    SortSources(sources);
    std::map<std::string, uint64_t> sizes;
    for (const PackSource& source : sources)
        sizes[source.HostPath] = fs::file_size(source.HostPath);
    const size_t lead = PutLeadFirst(sources, [&sizes](const std::string& path) { return sizes.at(path); });
    std::vector<std::string> order;
    for (const PackSource& source : sources)
        order.push_back(source.EntryPath);
    EXPECT_EQ(lead, 2u);
    EXPECT_EQ(order, (std::vector<std::string>{"setup.exe", "SetupScript.ini", "Big.dat", "files\\a.txt",
                                               "files\\noise.bin", "files\\z.txt"}));

    const std::string bundle = BundleOf(sources, 9, static_cast<uint32_t>(lead));
    MemorySource source(bundle);
    const Checked<CheckedPayload> checked = CheckPayload(source, kIgnore);
    ASSERT_TRUE(checked);
    EXPECT_EQ(checked.Value.Header.LeadCount, lead);
    EXPECT_EQ(LeadEnd(checked.Value), lead);
    // The stored setup.exe and noise.bin lie between compressed files: the
    // unpacking follows the index, not the areas.
    EXPECT_EQ(checked.Value.Files[0].Method, PackMethod::Stored);
    PayloadUnpacker unpacker(source, checked.Value);
    MemorySink first, rest;
    ASSERT_EQ(unpacker.UnpackUpTo(lead, first, kIgnore), UnpackOutcome::Unpacked);
    EXPECT_EQ(first.Order, std::vector<std::string>(order.begin(), order.begin() + 2));
    EXPECT_EQ(unpacker.Next(), lead);
    for (size_t next = lead; next < order.size(); ++next)
        ASSERT_EQ(unpacker.UnpackUpTo(next + 1, rest, kIgnore), UnpackOutcome::Unpacked) << next;
    EXPECT_EQ(rest.Order, std::vector<std::string>(order.begin() + 2, order.end()));
    for (const auto& [path, bytes] : contents_)
        EXPECT_EQ((first.Files.count(path) ? first.Files : rest.Files).at(path), bytes) << path;

    // A byte of the last file damaged: the first part unpacks (the caller
    // has checked the whole payload before), the last file does not.
    std::string damaged = bundle;
    damaged[damaged.size() - 1] ^= 0x01;
    MemorySource damagedSource(damaged);
    PayloadUnpacker damagedUnpacker(damagedSource, checked.Value);
    MemorySink damagedSink;
    EXPECT_EQ(damagedUnpacker.UnpackUpTo(lead, damagedSink, kIgnore), UnpackOutcome::Unpacked);
    EXPECT_EQ(damagedUnpacker.UnpackUpTo(order.size(), damagedSink, kIgnore), UnpackOutcome::Damaged);
    MemorySink refused;
    EXPECT_EQ(Unpack(damaged, refused), PayloadProblem::DataDamaged);
    EXPECT_TRUE(refused.Files.empty());
}

TEST_F(BundleTest, ALeadWithoutSetupMeansEverythingFirst) {
    contents_ = {{"a.txt", "a"}, {"setup.exe", "MZ"}, {"z.txt", "z"}};
    for (const uint32_t lead : {0u, 1u, 3u}) {
        const std::string bundle = Bundle(9, lead);
        MemorySource source(bundle);
        const Checked<CheckedPayload> checked = CheckPayload(source, kIgnore);
        ASSERT_TRUE(checked);
        EXPECT_EQ(LeadEnd(checked.Value), 3u) << lead; // setup.exe is the second file
    }
}

// An index written by hand, with correct checksums, that tries to leave its
// area or the extraction folder.
TEST(BundleIndex, RefusesHostileEntries) {
    auto decode = [](const std::vector<PackedFile>& files, uint64_t lzmaSize, uint64_t storedSize) {
        PayloadHeader header;
        const std::string index = EncodeIndex(files);
        header.IndexSize = index.size();
        header.IndexCrc = UpdateCrc(0, index.data(), index.size());
        header.FileCount = static_cast<uint32_t>(files.size());
        header.LzmaUnpackedSize = lzmaSize;
        header.StoredSize = storedSize;
        return DecodeIndex(index, header).Problem;
    };
    auto file = [](const std::string& path, uint64_t offset, uint64_t size, PackMethod method = PackMethod::Stored) {
        return PackedFile{path, size, offset, method, 0};
    };
    EXPECT_EQ(decode({file("a\\b.txt", 0, 5), file("c.txt", 0, 7, PackMethod::Lzma)}, 7, 5), PayloadProblem::None);
    for (const char* path : {"..\\evil.dll", "a\\..\\..\\evil.dll", "\\windows\\evil.dll", "C:\\evil.dll", "c:evil.dll",
                             "a.txt:stream", "CON", "nul.txt", "a\\Com1.dll", "lpt9", "a\\\\b", "a\\", ".", "a.",
                             "a ", "a/b", "a\tb", "a?", ""}) {
        EXPECT_EQ(decode({file(path, 0, 5)}, 0, 5), PayloadProblem::UnsafePath) << path;
        EXPECT_FALSE(IsSafeEntryPath(path)) << path;
    }
    EXPECT_EQ(decode({file("a.txt", 0, 5), file("A.TXT", 5, 5)}, 0, 10), PayloadProblem::UnsafePath);
    EXPECT_EQ(decode({file("a", 0, 5), file("A\\b", 5, 5)}, 0, 10), PayloadProblem::UnsafePath);
    EXPECT_EQ(decode({file("a\\b", 0, 5), file("a", 5, 5)}, 0, 10), PayloadProblem::UnsafePath);
    // Overlap, gap, beyond the area, wrapping, unknown method.
    EXPECT_EQ(decode({file("a", 0, 5), file("b", 3, 5)}, 0, 8), PayloadProblem::BadLayout);
    EXPECT_EQ(decode({file("a", 0, 5), file("b", 6, 5)}, 0, 11), PayloadProblem::BadLayout);
    EXPECT_EQ(decode({file("a", 0, 5)}, 0, 4), PayloadProblem::BadLayout);
    EXPECT_EQ(decode({file("a", 0, 5), file("b", 5, UINT64_MAX - 2)}, 0, 2), PayloadProblem::BadLayout);
    EXPECT_EQ(decode({file("a", 0, 5, static_cast<PackMethod>(7))}, 0, 5), PayloadProblem::BadLayout);
}

TEST(BundleHeader, RefusesSizesThatDoNotAddUp) {
    PayloadHeader header;
    header.IndexSize = 10;
    header.StoredSize = 20;
    header.PayloadSize = kPayloadHeaderSize + 30;
    EXPECT_TRUE(DecodeHeader(EncodeHeader(header), header.PayloadSize));
    EXPECT_EQ(DecodeHeader(EncodeHeader(header), header.PayloadSize - 1).Problem, PayloadProblem::Truncated);
    PayloadHeader wrapping = header;
    wrapping.StoredSize = UINT64_MAX - 5;
    EXPECT_EQ(DecodeHeader(EncodeHeader(wrapping), UINT64_MAX).Problem, PayloadProblem::Inconsistent);
    PayloadHeader longLead = header;
    longLead.LeadCount = 1; // more than the files
    EXPECT_EQ(DecodeHeader(EncodeHeader(longLead), header.PayloadSize).Problem, PayloadProblem::Inconsistent);
    PayloadHeader hugeDictionary = header;
    hugeDictionary.LzmaProps[4] = 0x10; // 256 MiB
    EXPECT_EQ(DecodeHeader(EncodeHeader(hugeDictionary), header.PayloadSize).Problem, PayloadProblem::Inconsistent);
}

TEST(BundlePeLayout, FindsTheImageEndOfBothArchitectures) {
    for (const uint16_t machine : {uint16_t(0x14C), uint16_t(0x8664)}) {
        const std::string image = test_pe::Image(machine) + "payload";
        const std::optional<PeLayout> layout = ReadPeLayout(image, image.size());
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->Machine, machine == 0x14C ? PeMachine::I386 : PeMachine::Amd64);
        EXPECT_EQ(layout->ImageEnd, test_pe::kImageSize);
        EXPECT_EQ(layout->CertificateOffset, 0u);
        EXPECT_FALSE(ReadPeLayout(image, 0x3FF)); // the section runs past the file
    }
    EXPECT_FALSE(ReadPeLayout("MZ", 2));
    EXPECT_FALSE(ReadPeLayout(std::string(0x400, 'M'), 0x400));
}

} // namespace
