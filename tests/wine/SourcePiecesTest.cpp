// Split sources put together in the assembly file of the run's own folder,
// the disk prompt of a missing piece, and expanded sizes of plain and
// LZ-compressed sources.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

#include "install/AssemblyFolder_win.h"
#include "install/CopyPlan.h"
#include "install/SourcePieces_win.h"
#include "wizard/ProcessState_win.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

using namespace install_test;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The SZDD format of the old compress.exe, written with literals only: each
// flag byte 0xFF announces eight bytes copied as they are.
std::string CompressSzdd(const std::string& data) {
    std::string out("SZDD\x88\xF0\x27\x33" "A\0", 10);
    const uint32_t size = static_cast<uint32_t>(data.size());
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((size >> shift) & 0xFF);
    for (size_t i = 0; i < data.size(); i += 8) {
        out += '\xFF';
        out += data.substr(i, 8);
    }
    return out;
}

FileEntry Piece(const std::string& source, const std::string& destination, int16_t disk, bool last) {
    FileEntry entry;
    entry.Source = source;
    entry.Destination = destination;
    entry.Disk = disk;
    entry.IsPiece = 1;
    entry.LastPiece = last ? 1 : 0;
    return entry;
}

class SourcePieces : public ::testing::Test {
protected:
    ScratchDirectory medium;
    std::string name = "piece.bin";
    // Where an earlier run and the setup of old assembled this file.
    std::string oldAssembly = WindowsDirectory() + "\\TEMP\\" + name + ".ToInstall.TMP";
    std::string assembly = AssemblyFilePath(RunAssemblyFolder(), name);

    void TearDown() override {
        RemoveDirectoryA(assembly.c_str());
        RemoveRunAssemblyFolder();
        DeleteFileA(oldAssembly.c_str());
        TheState().Files.clear();
    }
};

} // namespace

TEST_F(SourcePieces, PiecesOfOneDestinationMeetInOrderInTheRunsOwnFolder) {
    ASSERT_TRUE(WriteTextFile(oldAssembly, "stale-"));
    const std::string folder = RunAssemblyFolder();
    EXPECT_EQ(folder.rfind(WindowsDirectory() + "\\TEMP\\Setup-", 0), 0u) << folder;
    const char* contents[] = {"first-", "second-", "third"};
    for (int round = 0; round < 2; ++round) {
        // A second round (the sections page shown again, then the copy run)
        // starts anew with its first piece.
        for (int disk = 1; disk <= 3; ++disk) {
            const std::string source = medium.PathOf("part" + std::to_string(disk));
            ASSERT_TRUE(WriteTextFile(source, contents[disk - 1]));
            const AssemblyStart start = disk == 1 ? AssemblyStart::Empty : AssemblyStart::Continue;
            std::string path;
            EXPECT_EQ(FetchSourcePiece(Piece(source, "C:\\target\\" + name, static_cast<int16_t>(disk), disk == 3),
                                       start, path),
                      FetchResult::Fetched);
            EXPECT_EQ(path, assembly);
        }
        EXPECT_EQ(ReadAll(assembly), "first-second-third");
    }
    EXPECT_EQ(ReadAll(oldAssembly), "stale-");

    // The end of the run takes the folder and its files away; the next run
    // gets a new one.
    RemoveRunAssemblyFolder();
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(RunAssemblyFolder(), folder);
}

TEST_F(SourcePieces, MissingPieceAsksForItsDiskAndIgnoreAppendsNothing) {
    const FileEntry entry = Piece(medium.PathOf("absent"), "[DP]\\" + name, 40000 - 65536, false);
    DialogWatcher watcher(Clicks({IDIGNORE}));
    std::string path;
    ASSERT_TRUE(WriteTextFile(assembly, "fetched earlier"));
    EXPECT_EQ(FetchSourcePiece(entry, AssemblyStart::Empty, path), FetchResult::Ignored);
    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, entry.Source);
    EXPECT_EQ(seen[0].Text, "Please insert disk -25536 in order to continue setup. If you inserted correct disk and "
                            "this message appears again, setup script may be corrupt.");
    EXPECT_EQ(seen[0].Buttons, (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
    EXPECT_FALSE(seen[0].HasIcon);
    EXPECT_TRUE(FileExists(assembly));
    EXPECT_EQ(ReadAll(assembly), "");
}

TEST_F(SourcePieces, AbortAsksToQuitAndNoPromptsAgain) {
    const FileEntry entry = Piece(medium.PathOf("absent"), name, 3, true);
    DialogWatcher watcher(Clicks({IDABORT, IDNO, IDABORT, IDYES}));
    std::string path;
    EXPECT_EQ(FetchSourcePiece(entry, AssemblyStart::Continue, path), FetchResult::Quit);
    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1].Caption, "Quit setup");
    EXPECT_EQ(seen[1].Text, "Are you really sure to quit setup? The application will be deleted if you click on Yes");
    EXPECT_EQ(seen[2].Caption, entry.Source);

    // The quit request of the at-once mode is waiting in this thread's queue.
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 2u);
}

TEST_F(SourcePieces, AnAssemblyFileThatCannotBeWrittenCountsAsAMissingPiece) {
    ASSERT_TRUE(CreateDirectoryA(assembly.c_str(), nullptr));
    const std::string source = medium.PathOf("part");
    ASSERT_TRUE(WriteTextFile(source, "data"));
    DialogWatcher watcher(Clicks({IDIGNORE}));
    std::string path;
    EXPECT_EQ(FetchSourcePiece(Piece(source, name, 1, true), AssemblyStart::Empty, path), FetchResult::Ignored);
    EXPECT_EQ(watcher.Finish().size(), 1u);
}

TEST_F(SourcePieces, ExpandedSizesOfPlainCompressedAndSplitSources) {
    const std::string data(1500, 'x');
    const std::string plain = medium.PathOf("plain.txt");
    const std::string packed = medium.PathOf("packed.tx_");
    ASSERT_TRUE(WriteTextFile(plain, data));
    ASSERT_TRUE(WriteTextFile(packed, CompressSzdd(data + data)));
    ASSERT_TRUE(WriteTextFile(medium.PathOf("p1"), "12345"));
    ASSERT_TRUE(WriteTextFile(medium.PathOf("p2"), "678"));

    FileEntry whole;
    whole.Source = plain;
    FileEntry compressed;
    compressed.Source = packed;
    FileEntry missing;
    missing.Source = medium.PathOf("none");
    TheState().Files = {whole, compressed, missing, Piece(medium.PathOf("p1"), name, 1, false),
                        Piece(medium.PathOf("p2"), name, 2, true)};
    ASSERT_TRUE(WriteTextFile(assembly, "left by an earlier showing of the page"));

    EXPECT_EQ(GetExpandedFileSize(0), 1500u);
    EXPECT_EQ(GetExpandedFileSize(1), 3000u);
    EXPECT_EQ(GetExpandedFileSize(2), 0u); // no prompt for a whole file
    EXPECT_EQ(GetExpandedFileSize(3), 0u); // a piece counts with the last one
    EXPECT_TRUE(FileExists(assembly));
    EXPECT_EQ(GetExpandedFileSize(4), 8u);
    EXPECT_FALSE(FileExists(assembly));
}
