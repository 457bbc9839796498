// Set-up for the tests of the versioned installation: the setup state the
// engine reads, its uninstall log captured in a string, a library held in
// use by another process, and the pending renames of the system.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "script/SetupState.h"
#include "windows/Handles.h"

namespace install_test {

// A fresh SetupState for one test: this program's resources, WINPATH and DP,
// hidden windows standing for the background window and the copy page, and
// the uninstall log writing into Log(). Reset again when the object goes.
class EngineState {
public:
    explicit EngineState(const std::string& applicationDirectory);
    ~EngineState();
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

    // Appends a file entry and returns its position in Files.
    size_t AddFile(const std::string& source, const std::string& destination, bool shared, int16_t disk = 1);
    const std::string& Log() const { return *log_; }
    HWND MainWindow() const { return mainWindow_; }
    HWND CopyPage() const { return copyPage_; }

private:
    std::shared_ptr<std::string> log_;
    HWND mainWindow_ = nullptr;
    HWND copyPage_ = nullptr;
};

// The bytes of a file; nothing when it cannot be read.
std::optional<std::string> FileBytesOf(const std::string& path);
// The file version's most significant half, or 0xFFFFFFFF without one.
std::uint32_t VersionMSOf(const std::string& path);
std::uint32_t VersionLSOf(const std::string& path);
// Number of temporary copies the version-aware installer left in a directory.
int InstallerCopiesIn(const std::string& directory);
std::vector<std::string> FileNamesIn(const std::string& directory);

// Files placed in the system directory by a test, deleted at its end.
class SystemFiles {
public:
    ~SystemFiles();
    // The path of name in the system directory, which is removed now and at
    // the end of the test.
    std::string Claim(const std::string& name);

private:
    std::vector<std::string> paths_;
};

// Keeps a library loaded in a helper process (the fixture holdlib.exe), so
// that its file is in use; released when the object goes.
class LibraryHolder {
public:
    explicit LibraryHolder(const std::string& libraryPath);
    ~LibraryHolder();
    LibraryHolder(const LibraryHolder&) = delete;
    LibraryHolder& operator=(const LibraryHolder&) = delete;
    bool IsHolding() const { return holding_; }

private:
    KernelHandle process_;
    KernelHandle release_;
    bool holding_ = false;
};

// One requested move of PendingFileRenameOperations, in the system's form
// ("\??\C:\..."; the destination of a replacing move starts with "!").
struct PendingRename {
    std::string From;
    std::string To;
};

// The pending renames as they are now; the value is put back as it was when
// the object goes, so that no later start of the prefix carries them out.
class PendingRenames {
public:
    PendingRenames();
    ~PendingRenames();
    PendingRenames(const PendingRenames&) = delete;
    PendingRenames& operator=(const PendingRenames&) = delete;

    static std::vector<PendingRename> Current();
    // Those added since the object was made.
    std::vector<PendingRename> Added() const;

private:
    std::optional<std::string> saved_;
};

// Files placed in the Windows temporary directory by the code under test,
// found by name pattern and deleted at the end of the test.
class WindowsTempFiles {
public:
    explicit WindowsTempFiles(std::string pattern);
    ~WindowsTempFiles();
    // Files matching the pattern that were not there at the start.
    std::vector<std::string> Added() const;

private:
    std::string pattern_;
    std::vector<std::string> before_;
};

// The Windows 98 cases run in a second copy of wine_tests started as
// Windows 98 (RestartReplaceOnWindows98), which sets this variable.
extern const char kWindows98ChildSwitch[];
bool ReportsWindows9x();

// The fixture of the Windows 98 cases: they are skipped in the first run and
// run in the second, which must report Windows 9x.
class Windows98ProcessTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// wininit.ini of the Windows directory as it was before, put back after.
class WininitBackup {
public:
    WininitBackup() : saved_(FileBytesOf(Path())) {}
    ~WininitBackup();
    WininitBackup(const WininitBackup&) = delete;
    WininitBackup& operator=(const WininitBackup&) = delete;
    static std::string Path();

private:
    std::optional<std::string> saved_;
};

}
