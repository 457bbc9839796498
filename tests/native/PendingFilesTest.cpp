// The block of files a bundle's loader unpacks behind the pages, and when
// the copy run may read a source.
#include <gtest/gtest.h>

#include "run/PendingFiles.h"

namespace {

const std::vector<std::string> kPending = {"Big.dat", "files\\a.txt", "files\\z.txt"};

TEST(PendingBlock, ReadsBackItsListAndRefusesAnythingElse) {
    const std::string block = EncodePendingBlock(kPending);
    EXPECT_EQ(DecodePendingList(block), kPending);
    EXPECT_EQ(DecodePendingList(EncodePendingBlock({})), std::vector<std::string>());
    // The counters start at zero: unpacking, nothing complete.
    EXPECT_EQ(block.substr(kPendingPhaseOffset, 8), std::string(8, '\0'));

    std::string wrongMagic = block;
    wrongMagic[7] = '2';
    std::string cut = block.substr(0, block.size() - 1); // the list runs past the block
    std::string countTooHigh = block;
    countTooHigh[16] = 4;
    std::string emptyName = block;
    emptyName[kPendingHeaderSize] = '\0'; // "\0ig.dat": an empty path first
    std::string hugeList = block;
    hugeList[23] = 0x7F;
    for (const std::string* bad : {&wrongMagic, &cut, &countTooHigh, &emptyName, &hugeList})
        EXPECT_FALSE(DecodePendingList(*bad));
    EXPECT_FALSE(DecodePendingList(block.substr(0, kPendingHeaderSize - 1)));
}

TEST(PendingBlock, FindsTheSourceTheCopyRunMustWaitFor) {
    const PendingFiles files(kPending);
    const std::string folder = "C:\\WINDOWS\\TEMP\\TarvaneSetup-0123456789ABCDEF";
    EXPECT_EQ(files.PositionOf(folder, folder + "\\files\\a.txt"), 1u);
    EXPECT_EQ(files.PositionOf(folder + "\\", folder + "\\FILES\\Z.TXT"), 2u); // names compare as Windows does
    EXPECT_EQ(files.PositionOf(folder, "c:\\windows\\temp\\tarvanesetup-0123456789abcdef\\\\big.DAT"), 0u);
    // Unpacked before setup.exe started, or no file of the bundle at all.
    EXPECT_EQ(files.PositionOf(folder, folder + "\\SetupScript.ini"), std::nullopt);
    EXPECT_EQ(files.PositionOf(folder, folder + "\\files\\missing.txt"), std::nullopt);
    // Spellings that cannot be matched by name wait for everything.
    for (const std::string& other : {std::string("D:\\other\\a.txt"), folder + "-2\\files\\a.txt",
                                     folder + "\\files\\..\\Big.dat", folder + "\\FILES~1\\A.TXT",
                                     std::string("C:\\WINDOWS\\TEMP\\TARVAN~1\\files\\a.txt")})
        EXPECT_EQ(files.PositionOf(folder, other), 2u) << other;
    EXPECT_EQ(PendingFiles({}).PositionOf(folder, "D:\\other\\a.txt"), std::nullopt);
}

TEST(PendingBlock, DecidesWhetherASourceCanBeReadYet) {
    const auto ready = SourceReadiness::Ready, wait = SourceReadiness::Wait, lost = SourceReadiness::Lost;
    const auto unpacking = UnpackPhase::Unpacking, finished = UnpackPhase::Finished, failed = UnpackPhase::Failed;
    struct Case {
        std::optional<size_t> Position;
        uint32_t Done;
        UnpackPhase Phase;
        bool LoaderGone;
        SourceReadiness Expected;
    };
    const Case cases[] = {
        {std::nullopt, 0, unpacking, false, ready}, // never pending
        {std::nullopt, 0, failed, true, ready},     // a failure elsewhere does not matter
        {1, 1, unpacking, false, wait},             // only the first is complete
        {1, 2, unpacking, false, ready},
        {1, 2, failed, false, ready},   // complete before the failure
        {1, 1, failed, false, lost},    // it will never come
        {1, 1, unpacking, true, lost},  // the loader was killed
        {1, 0, finished, true, ready},  // finished, then ended
        {0, 0, unpacking, false, wait},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadinessOf(c.Position, c.Done, c.Phase, c.LoaderGone), c.Expected)
            << (c.Position ? static_cast<int>(*c.Position) : -1) << " " << c.Done << " " << static_cast<int>(c.Phase)
            << " " << c.LoaderGone;
}

} // namespace
