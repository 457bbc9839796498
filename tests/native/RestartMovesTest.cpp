// Withdrawing one run's own restart moves from lists that others share.
#include <gtest/gtest.h>

#include "rollback/RestartMoves.h"
#include "text/IniEdit.h"

namespace {

using namespace std::string_literals;

// A REG_MULTI_SZ as the system writes it: each string ended by a zero, the
// list by one more.
std::string MultiText(const std::vector<std::string>& strings) {
    std::string value;
    for (const std::string& text : strings)
        value += text + '\0';
    return value + '\0';
}

TEST(RestartMovesTest, OnlyTheRunsOwnPairGoesWhateverOthersAddedAroundIt) {
    const RestartMove ours{"C:\\WINDOWS\\TEMP\\HELD~1.DLL", "C:\\WINDOWS\\SYSTEM32\\held.dll"};
    const std::string before = "\\??\\C:\\Other\\a.tmp";
    const std::string value = MultiText({before, "!\\??\\C:\\Other\\a.dll",                                 // another program's, before
                                         "\\??\\c:\\windows\\temp\\held~1.dll", "!\\??\\C:\\Windows\\System32\\HELD.DLL", // ours
                                         "\\??\\C:\\Other\\gone.txt", "",                                  // another's deletion
                                         "\\??\\C:\\WINDOWS\\TEMP\\HELD~1.DLL", "!\\??\\C:\\WINDOWS\\SYSTEM32\\held.dll"}); // the same again
    const auto rest = WithoutRestartMove(value, ours);
    ASSERT_TRUE(rest);
    EXPECT_EQ(*rest, MultiText({before, "!\\??\\C:\\Other\\a.dll", "\\??\\C:\\Other\\gone.txt", "",
                                "\\??\\C:\\WINDOWS\\TEMP\\HELD~1.DLL", "!\\??\\C:\\WINDOWS\\SYSTEM32\\held.dll"}))
        << "the first of two identical requests goes, the second stays";

    // A deletion of ours, listed last: its empty target is no end of the list.
    const RestartMove deletion{"C:\\App\\in use.dll", ""};
    const auto without = WithoutRestartMove(MultiText({"\\??\\C:\\Other\\b", "!\\??\\C:\\Other\\c", "\\??\\C:\\App\\in use.dll", ""}), deletion);
    ASSERT_TRUE(without);
    EXPECT_EQ(*without, MultiText({"\\??\\C:\\Other\\b", "!\\??\\C:\\Other\\c"}));

    // The last pair of ours leaves nothing: the value goes.
    EXPECT_EQ(WithoutRestartMove(MultiText({"\\??\\C:\\App\\in use.dll", ""}), deletion), ""s);
    EXPECT_EQ(WithoutRestartMove("\\??\\C:\\App\\in use.dll\0\0"s, deletion), ""s) << "without the closing zero";
}

TEST(RestartMovesTest, NothingChangesWithoutAnExactPair) {
    const RestartMove ours{"C:\\T\\new.dll", "C:\\S\\lib.dll"};
    EXPECT_FALSE(WithoutRestartMove("", ours));
    EXPECT_FALSE(WithoutRestartMove(MultiText({"\\??\\C:\\T\\new.dll", ""}), ours)) << "a deletion of the copy is not our move";
    EXPECT_FALSE(WithoutRestartMove(MultiText({"\\??\\C:\\S\\lib.dll", "!\\??\\C:\\T\\new.dll"}), ours)) << "reversed";
    EXPECT_FALSE(WithoutRestartMove(MultiText({"\\??\\C:\\X", "\\??\\C:\\T\\new.dll", "!\\??\\C:\\S\\lib.dll"}), ours))
        << "names out of step with the pairs";
    EXPECT_FALSE(WithoutRestartMove(MultiText({"\\??\\C:\\T\\new.dll.old", "!\\??\\C:\\S\\lib.dll"}), ours));
}

TEST(RestartMovesTest, WininitLinesAreWithdrawnOneByOne) {
    const std::string text = "; kept\r\n[Rename]\r\nNUL=C:\\OTHER\\A.TMP\r\nC:\\WINDOWS\\SYSTEM\\HELD.DLL=C:\\WINDOWS\\TEMP\\HELD~1.DLL\r\n"
                             "NUL=C:\\APP\\X.DLL\r\nNUL=C:\\APP\\X.DLL\r\n[other]\r\nNUL=C:\\APP\\Y.DLL\r\n";
    EXPECT_EQ(RemoveEntryKeepingOtherLines(text, "rename", "c:\\windows\\system\\held.dll", "C:\\WINDOWS\\TEMP\\held~1.dll"),
              "; kept\r\n[Rename]\r\nNUL=C:\\OTHER\\A.TMP\r\nNUL=C:\\APP\\X.DLL\r\nNUL=C:\\APP\\X.DLL\r\n[other]\r\nNUL=C:\\APP\\Y.DLL\r\n");
    EXPECT_EQ(RemoveEntryKeepingOtherLines(text, "rename", "NUL", "C:\\APP\\X.DLL"),
              "; kept\r\n[Rename]\r\nNUL=C:\\OTHER\\A.TMP\r\nC:\\WINDOWS\\SYSTEM\\HELD.DLL=C:\\WINDOWS\\TEMP\\HELD~1.DLL\r\n"
              "NUL=C:\\APP\\X.DLL\r\n[other]\r\nNUL=C:\\APP\\Y.DLL\r\n")
        << "one request of two goes";
    EXPECT_EQ(RemoveEntryKeepingOtherLines(text, "rename", "NUL", "C:\\APP\\Y.DLL"), text) << "another section's line stays";
    EXPECT_EQ(RemoveEntryKeepingOtherLines(text, "rename", "NUL", "C:\\APP"), text) << "values compare whole";
}

} // namespace
