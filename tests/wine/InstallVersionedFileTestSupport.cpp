#include "tests/wine/InstallVersionedFileTestSupport.h"

#include <algorithm>

#include "text/FileBytes.h"
#include "install/VersionInfo_win.h"
#include "tests/wine/InstallTestSupport.h"
#include "windows/FindFiles_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

namespace install_test {

namespace {

class StringSink : public ByteSink {
public:
    explicit StringSink(std::shared_ptr<std::string> target) : target_(std::move(target)) {}
    bool Write(const char* bytes, size_t count) override {
        target_->append(bytes, count);
        return true;
    }

private:
    std::shared_ptr<std::string> target_;
};

HWND HiddenWindow(const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

constexpr DWORD kHolderStartDeadline = 30000;
constexpr DWORD kHolderEndDeadline = 10000;

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingValue[] = "PendingFileRenameOperations";

std::optional<std::string> ReadPendingValue() {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const RegKey key(opened);
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), kPendingValue, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), kPendingValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

std::vector<PendingRename> ParsePending(const std::string& data) {
    std::vector<std::string> strings;
    size_t start = 0;
    for (size_t at = 0; at < data.size(); ++at) {
        if (data[at] == '\0') {
            strings.push_back(data.substr(start, at - start));
            start = at + 1;
        }
    }
    // The list ends with an empty string; a deletion's empty target is kept
    // by pairing from the front.
    if (strings.size() % 2 == 1 && strings.back().empty())
        strings.pop_back();
    std::vector<PendingRename> renames;
    for (size_t at = 0; at < strings.size(); at += 2)
        renames.push_back({strings[at], at + 1 < strings.size() ? strings[at + 1] : std::string()});
    return renames;
}

}

EngineState::EngineState(const std::string& applicationDirectory) : log_(std::make_shared<std::string>()) {
    TheState() = SetupState();
    SetupState& state = TheState();
    state.Instance = GetModuleHandleA(nullptr);
    state.Variables.Set("WINPATH", WindowsDirectory());
    state.Variables.Set("DP", applicationDirectory);
    mainWindow_ = HiddenWindow("background");
    copyPage_ = HiddenWindow("copy page");
    state.MainWindow = mainWindow_;
    state.CurrentPage = copyPage_;
    state.UninstallLogStream.Open(std::make_unique<StringSink>(log_), nullptr);
}

EngineState::~EngineState() {
    TheState() = SetupState();
    DestroyWindow(copyPage_);
    DestroyWindow(mainWindow_);
}

size_t EngineState::AddFile(const std::string& source, const std::string& destination, bool shared, int16_t disk) {
    FileEntry entry;
    entry.Source = source;
    entry.Destination = destination;
    entry.Shared = shared ? 1 : 0;
    entry.Disk = disk;
    TheState().Files.push_back(entry);
    return TheState().Files.size() - 1;
}

std::optional<std::string> FileBytesOf(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != FileReadResult::Read)
        return std::nullopt;
    return bytes;
}

std::uint32_t VersionMSOf(const std::string& path) {
    const auto info = ReadVersionInfo(path);
    return info ? info->FileVersionMS : 0xFFFFFFFFu;
}

std::uint32_t VersionLSOf(const std::string& path) {
    const auto info = ReadVersionInfo(path);
    return info ? info->FileVersionLS : 0xFFFFFFFFu;
}

int InstallerCopiesIn(const std::string& directory) {
    int count = 0;
    ForEachMatchingFile(directory + "\\ver*.tmp", [&](const std::string&, bool) { ++count; });
    return count;
}

std::vector<std::string> FileNamesIn(const std::string& directory) {
    std::vector<std::string> names;
    ForEachMatchingFile(directory + "\\*", [&](const std::string& name, bool isDirectory) {
        if (!isDirectory)
            names.push_back(name);
    });
    std::sort(names.begin(), names.end());
    return names;
}

SystemFiles::~SystemFiles() {
    for (const std::string& path : paths_) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

std::string SystemFiles::Claim(const std::string& name) {
    const std::string path = SystemDirectory() + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    paths_.push_back(path);
    return path;
}

LibraryHolder::LibraryHolder(const std::string& libraryPath) {
    static int count = 0;
    const std::string process = std::to_string(GetCurrentProcessId());
    const std::string events = "library-holder-" + process + "-" + std::to_string(++count);
    const KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, (events + "-ready").c_str()));
    release_.reset(CreateEventA(nullptr, TRUE, FALSE, (events + "-release").c_str()));
    std::string command = "\"" + FixturePath("holdlib.exe") + "\" \"" + libraryPath + "\" " + events + " " + process;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!ready || !release_ ||
        !CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return;
    process_.reset(started.hProcess);
    const KernelHandle thread(started.hThread);
    const HANDLE waits[] = {ready.get(), process_.get()};
    holding_ = WaitForMultipleObjects(2, waits, FALSE, kHolderStartDeadline) == WAIT_OBJECT_0;
}

LibraryHolder::~LibraryHolder() {
    if (!process_)
        return;
    SetEvent(release_.get());
    if (WaitForSingleObject(process_.get(), kHolderEndDeadline) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kHolderEndDeadline);
    }
}

PendingRenames::PendingRenames() : saved_(ReadPendingValue()) {}

PendingRenames::~PendingRenames() {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
        return;
    const RegKey key(opened);
    if (saved_)
        RegSetValueExA(key.get(), kPendingValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(saved_->data()),
                       static_cast<DWORD>(saved_->size()));
    else
        RegDeleteValueA(key.get(), kPendingValue);
}

std::vector<PendingRename> PendingRenames::Current() {
    const auto data = ReadPendingValue();
    return data ? ParsePending(*data) : std::vector<PendingRename>();
}

std::vector<PendingRename> PendingRenames::Added() const {
    const std::vector<PendingRename> now = Current();
    const size_t before = saved_ ? ParsePending(*saved_).size() : 0;
    return std::vector<PendingRename>(now.begin() + std::min(before, now.size()), now.end());
}

WindowsTempFiles::WindowsTempFiles(std::string pattern) : pattern_(std::move(pattern)) {
    before_ = FileNamesIn(WindowsDirectory() + "\\TEMP");
}

WindowsTempFiles::~WindowsTempFiles() {
    for (const std::string& path : Added())
        DeleteFileA(path.c_str());
}

std::vector<std::string> WindowsTempFiles::Added() const {
    const std::string directory = WindowsDirectory() + "\\TEMP";
    std::vector<std::string> added;
    ForEachMatchingFile(directory + "\\" + pattern_, [&](const std::string& name, bool isDirectory) {
        if (!isDirectory && std::find(before_.begin(), before_.end(), name) == before_.end())
            added.push_back(directory + "\\" + name);
    });
    return added;
}

const char kWindows98ChildSwitch[] = "RESTART_REPLACE_WINDOWS98_CASES";

bool ReportsWindows9x() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

WininitBackup::~WininitBackup() {
    if (saved_)
        WriteTextFile(Path(), *saved_);
    else
        DeleteFileA(Path().c_str());
}

std::string WininitBackup::Path() {
    return WindowsDirectory() + "\\wininit.ini";
}

void Windows98ProcessTest::SetUp() {
    char childRun[2] = "";
    if (GetEnvironmentVariableA(kWindows98ChildSwitch, childRun, sizeof(childRun)) == 0)
        GTEST_SKIP() << "run by RestartReplaceOnWindows98 in a Windows 98 process";
    ASSERT_TRUE(ReportsWindows9x());
}

}
