// The layers of the README, checked on the tree: a core file (no _win in its
// name) includes no Win32-layer file, and within each layer a folder includes
// only its own folder and the folders below it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

bool IsWin32Layer(const std::string& path) { return path.find("_win.") != std::string::npos; }

// Lowest first; a folder sees its own rank and below.
const std::map<std::string, int> kCoreOrder = {
    {"resources", 0}, {"uninstall", 1}, {"rollback", 1}, {"script", 2}, {"windows", 3}, {"install", 3}, {"pages", 3}, {"app", 4}, {"uninstaller", 4}};
const std::map<std::string, int> kWin32Order = {
    {"windows", 0}, {"uninstall", 1}, {"rollback", 1}, {"install", 2}, {"pages", 3}, {"app", 4}, {"uninstaller", 4}};

TEST(IncludeOrder, NoIncludeRunsUpward) {
    const std::regex include("#include \"(([a-z]+)/[^\"]+)\"");
    int filesRead = 0;
    for (const auto& folder : kWin32Order)
        for (const auto& file : fs::directory_iterator(fs::path(SOURCE_DIR) / folder.first)) {
            const std::string name = folder.first + "/" + file.path().filename().string();
            std::ifstream in(file.path());
            ++filesRead;
            const bool win32 = IsWin32Layer(name);
            for (std::string line; std::getline(in, line);) {
                std::smatch match;
                if (!std::regex_search(line, match, include))
                    continue;
                const std::string target = match[1], targetFolder = match[2];
                if (win32 != IsWin32Layer(target)) {
                    EXPECT_TRUE(win32) << name << " (core) includes " << target;
                    continue;
                }
                const auto& order = win32 ? kWin32Order : kCoreOrder;
                const auto from = order.find(folder.first), to = order.find(targetFolder);
                ASSERT_NE(to, order.end()) << name << " includes " << target << ", of no layer";
                EXPECT_LE(to->second, from->second) << name << " includes " << target << ", of a higher layer";
            }
        }
    EXPECT_GT(filesRead, 50);
}

} // namespace
