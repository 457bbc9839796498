#include <gtest/gtest.h>

#include "install/CopyPlan.h"
#include "windows/PrivateFolderName.h"

namespace {
SectionEntry Section(const std::string& name, int mustInstall, int selected) {
    SectionEntry section;
    section.Name = name;
    section.MustInstall = mustInstall;
    section.Selected = selected;
    return section;
}

FileEntry File(const std::string& section, const std::string& destination = "[DP]file") {
    FileEntry file;
    file.Section = section;
    file.Destination = destination;
    return file;
}

std::vector<size_t> FileIndexes(const CopySectionStep& step) {
    std::vector<size_t> indexes;
    for (const CopyFileStep& file : step.Files)
        indexes.push_back(file.FileIndex);
    return indexes;
}
}

TEST(CopyPlan, TwoSectionsWithThreeAndOneFiles) {
    // Files of the two sections interleave in Files; each section takes its own in order.
    const std::vector<SectionEntry> sections = {Section("Main", 1, 0), Section("Extra", 0, 1)};
    const std::vector<FileEntry> files = {File("Main"), File("Extra"), File("Main"), File("Main")};
    const auto plan = PlanCopyRun(sections, files);
    ASSERT_EQ(plan.size(), 2u);

    EXPECT_EQ(plan[0].SectionIndex, 0u);
    EXPECT_EQ(plan[0].SectionBarPosition, 0);
    EXPECT_EQ(plan[0].FileBarHigh, 2);
    EXPECT_EQ(FileIndexes(plan[0]), (std::vector<size_t>{0, 2, 3}));
    EXPECT_EQ(plan[0].Files[2].FileBarPosition, 2);
    // The third file of the first section stops the run with its place in Files.
    EXPECT_EQ(plan[0].Files[2].StopPosition(), 4);

    EXPECT_EQ(plan[1].SectionBarPosition, 1);
    EXPECT_EQ(plan[1].FileBarHigh, 0);
    EXPECT_EQ(FileIndexes(plan[1]), std::vector<size_t>{1});
    EXPECT_EQ(plan[1].Files[0].FileBarPosition, 0);
    EXPECT_EQ(plan[1].Files[0].StopPosition(), 2);
    EXPECT_EQ(CountSectionsForBar(sections), 2u);
}

TEST(CopyPlan, SectionNeitherChosenNorMustInstallIsLeftOut) {
    const std::vector<SectionEntry> sections = {Section("Off", 0, 0), Section("On", 0, 1)};
    const std::vector<FileEntry> files = {File("Off"), File("On"), File("Nowhere"), File("on")};
    const auto plan = PlanCopyRun(sections, files);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].SectionIndex, 1u);
    EXPECT_EQ(plan[0].SectionBarPosition, 0);
    EXPECT_EQ(FileIndexes(plan[0]), std::vector<size_t>{1});
    EXPECT_EQ(CountSectionsForBar(sections), 1u);
}

TEST(CopyPlan, DuplicatedSectionNameInstallsItsFilesTwice) {
    const std::vector<SectionEntry> sections = {Section("Twice", 1, 0), Section("Twice", 0, 1)};
    const std::vector<FileEntry> files = {File("Twice"), File("Twice")};
    const auto plan = PlanCopyRun(sections, files);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(FileIndexes(plan[0]), (std::vector<size_t>{0, 1}));
    EXPECT_EQ(FileIndexes(plan[1]), (std::vector<size_t>{0, 1}));
    EXPECT_EQ(plan[1].SectionBarPosition, 1);
}

TEST(CopyPlan, MustInstallTwoIsInstalledButNotCounted) {
    const std::vector<SectionEntry> sections = {Section("Two", 2, 0), Section("Sel", 0, 1), Section("Both", 1, 1)};
    const auto plan = PlanCopyRun(sections, {});
    EXPECT_EQ(plan.size(), 3u);
    EXPECT_EQ(CountSectionsForBar(sections), 2u);
    EXPECT_EQ(ProgressRangeHigh(CountSectionsForBar(sections)), 1);
}

TEST(CopyPlan, EmptySectionAndEmptyRunGiveFullRange) {
    const auto plan = PlanCopyRun({Section("Empty", 1, 0)}, {File("Other")});
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_TRUE(plan[0].Files.empty());
    EXPECT_EQ(plan[0].FileBarHigh, 0xFFFF);
    EXPECT_EQ(ProgressRangeHigh(CountSectionsForBar({})), 0xFFFF);
    EXPECT_EQ(ProgressRangeHigh(65537), 0);
}

TEST(CopyPlan, FilledBarPixelsChangeOnlyEveryFewFilesOfALongSection) {
    // 2,000 files on a bar of 290 pixels: the first file fills nothing, the
    // last fills the bar, and neighbours mostly fill the same pixels.
    EXPECT_EQ(FilledBarPixels(1999, 0, 290), 0);
    EXPECT_EQ(FilledBarPixels(1999, 1999, 290), 290);
    EXPECT_EQ(FilledBarPixels(1999, 1000, 290), 145);
    EXPECT_EQ(FilledBarPixels(1999, 1001, 290), 145);
    int changes = 0;
    for (int position = 1; position < 2000; ++position)
        changes += FilledBarPixels(1999, position, 290) != FilledBarPixels(1999, position - 1, 290);
    EXPECT_EQ(changes, 290);
    // Few files: every file moves the bar; a single file leaves it empty.
    EXPECT_EQ(FilledBarPixels(2, 1, 290), 145);
    EXPECT_EQ(FilledBarPixels(0, 0, 290), 0);
    // The full range of an empty section does not overflow.
    EXPECT_EQ(FilledBarPixels(0xFFFF, 0xFFFF, 100000), 100000);
}

TEST(CopyPlan, SplitFileInThreePieces) {
    FileEntry piece = File("Main", "[DP]data\\big.bin");
    piece.IsPiece = 1;
    piece.Shortcut = 1;
    piece.ShortcutName = "Big";
    const std::vector<FileEntry> files = {piece, piece, piece};
    const auto plan = PlanCopyRun({Section("Main", 1, 0)}, files);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].Files.size(), 3u);
    EXPECT_EQ(plan[0].FileBarHigh, 2);

    // All pieces meet in one assembly file of the run's own folder, named
    // after the destination; the first of them starts it empty.
    EXPECT_EQ(PrivateFolderName("Setup-", 0x0123456789ABCDEFull), "Setup-0123456789ABCDEF");
    EXPECT_EQ(PrivateFolderName("Setup-", 0xF), "Setup-000000000000000F");
    const std::string folder = "C:\\WINDOWS\\TEMP\\Setup-0123456789ABCDEF";
    const std::string assembly = AssemblyFilePath(folder, files[0].Destination);
    EXPECT_EQ(assembly, folder + "\\big.bin.ToInstall.TMP");
    EXPECT_EQ(AssemblyFilePath(folder, "C:\\Other\\big.bin"), assembly);
    EXPECT_EQ(AssemblyStartOf(files, 0), AssemblyStart::Empty);
    EXPECT_EQ(AssemblyStartOf(files, 1), AssemblyStart::Continue);
    EXPECT_EQ(AssemblyStartOf(files, 2), AssemblyStart::Continue);

    // Only the last piece installs, so only it can get the shortcut.
    EXPECT_EQ(NextPieceStep(FetchResult::Fetched, 0), PieceStep::WaitForMore);
    EXPECT_EQ(NextPieceStep(FetchResult::Ignored, 0), PieceStep::WaitForMore);
    EXPECT_EQ(NextPieceStep(FetchResult::Fetched, 1), PieceStep::InstallAssembly);
    EXPECT_EQ(NextPieceStep(FetchResult::Ignored, 1), PieceStep::InstallAssembly);
    EXPECT_EQ(NextPieceStep(FetchResult::Quit, 1), PieceStep::StopRun);
    EXPECT_FALSE(ShouldCreateShortcut(1, piece, ""));
    EXPECT_TRUE(ShouldCreateShortcut(1, piece, "C:\\App\\data\\big.bin"));
}

TEST(CopyPlan, EachAssemblyFileIsStartedByItsFirstPieceOnly) {
    FileEntry wholeBig = File("Main", "C:\\App\\big.bin"); // not a piece: never meets an assembly file
    FileEntry bigUpper = File("Main", "[DP]\\BIG.BIN");
    FileEntry other = File("Main", "[DP]\\other.bin");
    FileEntry bigElsewhere = File("Other", "D:\\x\\big.bin");
    for (FileEntry* piece : {&bigUpper, &other, &bigElsewhere})
        piece->IsPiece = 1;
    const std::vector<FileEntry> files = {wholeBig, bigUpper, other, bigElsewhere};

    EXPECT_EQ(AssemblyStartOf(files, 1), AssemblyStart::Empty);
    EXPECT_EQ(AssemblyStartOf(files, 2), AssemblyStart::Empty);
    EXPECT_EQ(AssemblyStartOf(files, 3), AssemblyStart::Continue); // same file name, other case and directory
    EXPECT_THROW(AssemblyStartOf(files, 4), std::out_of_range);
}

TEST(CopyPlan, ShortcutRules) {
    EXPECT_EQ(ShortcutLinkPath("C:\\Menu\\Group\\", "Editor"), "C:\\Menu\\Group\\Editor.lnk");
    EXPECT_EQ(ShortcutLinkPath("C:\\Menu\\Group", "Editor"), "C:\\Menu\\Group\\Editor.lnk");
    EXPECT_EQ(ShortcutLinkPath("C:\\Menu\\Group\\\\", "Editor"), "C:\\Menu\\Group\\\\Editor.lnk");
    FileEntry entry = File("Main");
    entry.Shortcut = 1;
    EXPECT_FALSE(ShouldCreateShortcut(0, entry, "C:\\App\\x.exe"));
    entry.Shortcut = 0;
    EXPECT_FALSE(ShouldCreateShortcut(1, entry, "C:\\App\\x.exe"));
    EXPECT_TRUE(IsBareGroupName("Demo"));
    EXPECT_FALSE(IsBareGroupName("C:\\Menu\\Demo"));
}
