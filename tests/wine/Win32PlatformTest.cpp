// AddFile over a real directory: the wildcard enumeration of the Win32 layer
// feeding the command's rules for hidden names, directories and destinations.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Win32Platform_win.h"
#include "script/Commands.h"

namespace {

// A fresh directory under the Windows temporary directory holding a few
// files, a dot file and subdirectories (one of them named like a file);
// removed with its content afterwards.
class SourceDirectory {
public:
    SourceDirectory() {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof(temp), temp);
        path_ = std::string(temp) + "addfile-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        for (const char* name : kFiles)
            Write(name);
        for (const char* name : kDirectories)
            CreateDirectoryA((path_ + "\\" + name).c_str(), nullptr);
    }
    ~SourceDirectory() {
        for (const char* name : kFiles)
            DeleteFileA((path_ + "\\" + name).c_str());
        for (const char* name : kDirectories)
            RemoveDirectoryA((path_ + "\\" + name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    static constexpr const char* kFiles[] = {"a.txt", "b.dat", "c.txt", ".hidden", ".profile.txt"};
    static constexpr const char* kDirectories[] = {"sub", "folder.txt"};

    void Write(const char* name) {
        const HANDLE file = CreateFileA((path_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        DWORD written = 0;
        WriteFile(file, name, static_cast<DWORD>(strlen(name)), &written, nullptr);
        CloseHandle(file);
    }

    std::string path_;
};

ScriptStatement AddFileStatement(const std::string& pattern, const std::string& destination) {
    return ScriptStatement{"AddFile", {pattern, destination, "Main", "1", "2", "0", "0", "0", "1", "Link"}};
}

std::vector<std::string> SortedSources(const SetupState& state) {
    std::vector<std::string> sources;
    for (const FileEntry& file : state.Files)
        sources.push_back(file.Source);
    std::sort(sources.begin(), sources.end());
    return sources;
}

class AddFileUnderWine : public testing::Test {
protected:
    StatementResult Run(const std::string& pattern, const std::string& destination) {
        ScriptStatement statement = AddFileStatement(pattern, destination);
        return ExecuteStatement(state, statement, platform);
    }

    SourceDirectory source;
    SetupState state;
    Win32Platform platform;
};

} // namespace

TEST_F(AddFileUnderWine, SkipsDotNamesAndDirectoriesAndAppendsNamesToDirectoryDestination) {
    state.Variables.Set("SP", source.Path());
    ASSERT_EQ(Run("[SP]\\*.*", "[DP]bin\\"), StatementResult::Continue);

    const std::string dir = source.Path() + "\\";
    EXPECT_EQ(SortedSources(state), (std::vector<std::string>{dir + "a.txt", dir + "b.dat", dir + "c.txt"}));
    for (const FileEntry& file : state.Files) {
        const std::string name = file.Source.substr(dir.size());
        EXPECT_EQ(file.Destination, "[DP]bin\\" + name) << "destination stays unsubstituted until install";
        EXPECT_EQ(file.Section, "Main");
        EXPECT_EQ(file.Shared, 1);
        EXPECT_EQ(file.Disk, 2);
        EXPECT_EQ(file.Shortcut, 1);
        EXPECT_EQ(file.ShortcutName, "Link");
    }
}

TEST_F(AddFileUnderWine, DestinationWithoutBackslashIsTheSameForEveryFile) {
    ASSERT_EQ(Run(source.Path() + "\\*.txt", "[DP]readme"), StatementResult::Continue);

    ASSERT_EQ(state.Files.size(), 2u) << "a.txt and c.txt; not the dot file, not the directory folder.txt";
    for (const FileEntry& file : state.Files)
        EXPECT_EQ(file.Destination, "[DP]readme");
}

TEST_F(AddFileUnderWine, PatternWithoutBackslashGivesBareNamesOfTheCurrentDirectory) {
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(previous), previous);
    ASSERT_TRUE(SetCurrentDirectoryA(source.Path().c_str()));
    const StatementResult result = Run("?.txt", "x\\");
    SetCurrentDirectoryA(previous);

    ASSERT_EQ(result, StatementResult::Continue);
    EXPECT_EQ(SortedSources(state), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(state.Files[0].Destination, "x\\" + state.Files[0].Source);
}

TEST_F(AddFileUnderWine, PatternMatchingNothingAddsNothing) {
    ASSERT_EQ(Run(source.Path() + "\\*.none", "x\\"), StatementResult::Continue);
    EXPECT_TRUE(state.Files.empty());
    ASSERT_EQ(Run(source.Path() + "\\missing\\*.*", "x\\"), StatementResult::Continue);
    EXPECT_TRUE(state.Files.empty());
}
