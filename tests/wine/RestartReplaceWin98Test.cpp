// Replacement at restart on Windows 95, 98 and ME goes through the rename
// section of wininit.ini. Wine reports Windows 98 to a program whose
// AppDefaults say so, but only from its start: the test runs the cases
// below in a second copy of this program started that way.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "install/RestartReplace.h"
#include "install/VersionedInstall.h"
#include "tests/wine/DialogWatcher.h"
#include "tests/wine/InstallTestSupport.h"
#include "tests/wine/VersionedTestSupport.h"
#include "windows/SystemPaths.h"

using namespace install_test;

namespace {

// Every fixture of the Windows 98 cases is named "...InWindows98Process".
const char kChildCases[] = "*InWindows98Process.*";
constexpr DWORD kChildDeadline = 120000;

// Wine's Windows version for programs of this file name, while alive.
class Windows98ForThisProgram {
public:
    Windows98ForThisProgram() : key_("Software\\Wine\\AppDefaults\\" + ProgramPath().substr(ProgramPath().rfind('\\') + 1)) {
        HKEY created = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                            nullptr) != ERROR_SUCCESS)
            return;
        const RegKey key(created);
        static const char version[] = "win98";
        set_ = RegSetValueExA(key.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                              sizeof(version)) == ERROR_SUCCESS;
    }
    ~Windows98ForThisProgram() { RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }
    bool IsSet() const { return set_; }

private:
    std::string key_;
    bool set_ = false;
};

TEST(RestartReplaceOnWindows98, CasesPassInAWindows98Process) {
    ASSERT_FALSE(ReportsWindows9x()) << "this program itself was started as Windows 98";
    ScratchDirectory results;
    const std::string report = results.PathOf("cases.xml");
    Windows98ForThisProgram version;
    ASSERT_TRUE(version.IsSet());
    SetEnvironmentVariableA(kWindows98ChildSwitch, "1");
    std::string command = "\"" + ProgramPath() + "\" --gtest_filter=" + kChildCases + " --gtest_output=xml:" + report;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    const BOOL created =
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started);
    SetEnvironmentVariableA(kWindows98ChildSwitch, nullptr);
    ASSERT_TRUE(created);
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), kChildDeadline) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), kChildDeadline);
        FAIL() << "the Windows 98 cases did not finish";
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    const std::string xml = FileBytesOf(report).value_or("");
    EXPECT_NE(xml.find("tests=\"3\" failures=\"0\" disabled=\"0\""), std::string::npos) << xml;
    EXPECT_EQ(xml.find("<skipped"), std::string::npos) << xml;
}

class RestartReplaceInWindows98Process : public Windows98ProcessTest {};

// The text without the first occurrence of line.
std::string RemoveLine(std::string text, const std::string& line) {
    const size_t at = text.find(line);
    return at == std::string::npos ? text : text.erase(at, line.size());
}

TEST_F(RestartReplaceInWindows98Process, FileInUseGoesToWininitBesideOtherPrograms) {
    ScratchDirectory application;
    EngineState engine(application.Path());
    SystemFiles systemFiles;
    WininitBackup backup;
    const std::string others =
        "[rename]\r\nNUL=C:\\WINDOWS\\TEMP\\OLD1.TMP\r\nNUL=C:\\WINDOWS\\TEMP\\OLD2.TMP\r\n; kept for its owner\r\n"
        "\r\n[other]\r\nkey=value\r\n";
    ASSERT_TRUE(WriteTextFile(WininitBackup::Path(), others));
    const std::string busy = systemFiles.Claim("Shared Busy Control.ocx");
    ASSERT_TRUE(CopyFileA(FixturePath("ver20.dll").c_str(), busy.c_str(), FALSE));
    PendingRenames pending;
    WindowsTempFiles copies("*.tmp");
    LibraryHolder holder(busy);
    ASSERT_TRUE(holder.IsHolding());
    DialogWatcher watcher({});

    const size_t position = engine.AddFile(FixturePath("ver2005.dll"), application.PathOf("Shared Busy Control.ocx"), true);
    EXPECT_EQ(InstallVersionedFile(FixturePath("ver2005.dll"), position), 0);

    EXPECT_TRUE(watcher.Finish().empty());
    EXPECT_EQ(engine.Log(), "");
    EXPECT_TRUE(pending.Added().empty());
    const auto added = copies.Added();
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(VersionLSOf(added[0]), 5u);
    // Wininit.exe knows short names only: the file's real one, extension kept.
    const std::string target = ShortPathOf(busy);
    ASSERT_FALSE(target.empty());
    EXPECT_EQ(lstrcmpiA(target.substr(target.size() - 4).c_str(), ".ocx"), 0) << target;
    const std::string ours = target + "=" + added[0] + "\r\n";
    const std::string wininit = FileBytesOf(WininitBackup::Path()).value_or("");
    EXPECT_LT(wininit.find(ours), wininit.find("[other]")) << wininit;
    EXPECT_EQ(RemoveLine(wininit, ours), others) << wininit;
}

TEST_F(RestartReplaceInWindows98Process, UnreadableWininitIsLeftAloneAndReported) {
    ScratchDirectory files;
    WininitBackup backup;
    const std::string others = "[rename]\r\nNUL=C:\\WINDOWS\\TEMP\\OLD1.TMP\r\n";
    ASSERT_TRUE(WriteTextFile(WininitBackup::Path(), others));
    const std::string destination = files.PathOf("library.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("ver20.dll").c_str(), destination.c_str(), FALSE));
    WindowsTempFiles copies("*.tmp");
    DialogWatcher watcher(Clicks({IDOK}));
    {
        const FileHandle locked(CreateFileA(WininitBackup::Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(locked);

        EXPECT_EQ(ReplaceFileAtRestart(FixturePath("ver2005.dll"), destination, "ver2005.dll"), 0);
    }

    const auto& seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Error");
    EXPECT_EQ(seen[0].Text, destination + " is in use and cannot be replaced at the next restart: " +
                                WindowsDirectory() + "\\Wininit.ini cannot be read; it was left unchanged.");
    EXPECT_EQ(FileBytesOf(WininitBackup::Path()), others);
    EXPECT_TRUE(copies.Added().empty());
}

}
