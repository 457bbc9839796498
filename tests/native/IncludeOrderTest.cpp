// The floors of the source tree, checked on the tree: every folder includes
// only its own files and those of the floors below it, core and Win32 files
// alike, and a core file (no _win in its name) includes no Win32 file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

bool IsWin32Layer(const std::string& path) { return path.find("_win.") != std::string::npos; }

// Lowest first. The programs share the top floor and include none of each other.
const std::map<std::string, int> kFloors = {
    {"resources", 0}, {"text", 1},     {"run", 2},     {"windows", 3},      {"uninstall", 4}, {"script", 5},
    {"wizard", 6},    {"rollback", 7}, {"install", 8}, {"pages", 9},        {"checker", 10},  {"bundle", 11},
    {"app", 12},      {"loader", 12},  {"setuppack", 12}, {"uninstaller", 12}};

// The folders above every floor: they may include anything.
bool IsAboveTheFloors(const std::string& folder) { return folder == "tests" || folder == "tools" || folder == "examples"; }

bool HoldsSources(const fs::path& folder) {
    for (const auto& file : fs::directory_iterator(folder)) {
        const auto extension = file.path().extension();
        if (extension == ".cpp" || extension == ".h")
            return true;
    }
    return false;
}

TEST(IncludeOrder, EveryFolderWithSourcesIsAFloor) {
    for (const auto& entry : fs::directory_iterator(SOURCE_DIR)) {
        const std::string folder = entry.path().filename().string();
        if (!entry.is_directory() || folder[0] == '.' || folder == "build" || IsAboveTheFloors(folder))
            continue;
        if (HoldsSources(entry.path()))
            EXPECT_TRUE(kFloors.count(folder)) << folder << "/ holds sources but is on no floor";
    }
}

TEST(IncludeOrder, NoIncludeRunsUpward) {
    const std::regex include("#include \"(([a-z]+)/[^\"]+)\"");
    int filesRead = 0;
    for (const auto& [folder, floor] : kFloors)
        for (const auto& file : fs::directory_iterator(fs::path(SOURCE_DIR) / folder)) {
            const std::string name = folder + "/" + file.path().filename().string();
            std::ifstream in(file.path());
            ++filesRead;
            for (std::string line; std::getline(in, line);) {
                std::smatch match;
                if (!std::regex_search(line, match, include))
                    continue;
                const std::string target = match[1], targetFolder = match[2];
                if (!IsWin32Layer(name))
                    EXPECT_FALSE(IsWin32Layer(target)) << name << " (core) includes " << target;
                if (targetFolder == folder)
                    continue;
                const auto to = kFloors.find(targetFolder);
                ASSERT_NE(to, kFloors.end()) << name << " includes " << target << ", of no floor";
                EXPECT_LT(to->second, floor) << name << " includes " << target << ", of a floor not below " << folder << "/";
            }
        }
    EXPECT_GT(filesRead, 150);
}

} // namespace
