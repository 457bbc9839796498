// bundleloader.exe: the front of every bundle that setuppack writes. It
// checks the payload behind its own image, unpacks it into a new folder of
// its own under the Windows TEMP folder, runs setup.exe from there with its
// own command line, removes the folder and ends with setup.exe's exit code.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "loader/FolderSink_win.h"
#include "loader/LoaderTexts.h"
#include "loader/OwnFileSource_win.h"
#include "loader/UnpackProgress_win.h"
#include "run/ArgumentQuoting.h"
#include "run/SetupSwitches.h"
#include "windows/PrivateFolder_win.h"
#include "windows/ProcAddress_win.h"
#include "windows/RunLog_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

namespace {

// "Fatal error during installation", as an installer reports it (and as the
// log line below says).
constexpr int kLoaderFailed = 1603;
// Room for each file's last cluster and the folder entries.
constexpr uint64_t kSlackPerFile = 4096;

// The failure in the run log the switches ask for (a silent mode always
// has one), as setup.exe would have written it.
void LogFailure(const RunSwitches& switches, const std::string& text) {
    RunLogFile log;
    switch (EffectiveLogTarget(switches)) {
    case LogTarget::None:
        return;
    case LogTarget::DefaultName:
        log.OpenNew();
        break;
    case LogTarget::File:
        log.OpenNamed(FullPathOf(switches.LogFile));
        break;
    }
    log.Write("Bundle " + ProgramPath() + ": " + text);
    log.Write("End: failed, exit code 1603 (failed)");
}

struct Loader {
    HINSTANCE Instance;
    // As the C runtime split them, which is how setup.exe will split them.
    std::vector<std::string> Arguments;
    // Read by setup.exe's own reader: the loader needs the mode and the log.
    RunSwitches Switches;
    // One window for checking and unpacking; it goes before a message box
    // and before setup.exe starts.
    std::optional<UnpackProgress> Progress;

    // In a silent mode nothing waits for an answer.
    int Fail(const std::string& text) {
        Progress.reset();
        LogFailure(Switches, text);
        if (Switches.Mode == RunMode::Interactive)
            MessageBoxA(nullptr, text.c_str(), kLoaderCaption, MB_OK | MB_ICONERROR);
        return kLoaderFailed;
    }
};

uint64_t UnpackedSize(const CheckedPayload& payload) {
    uint64_t total = 0;
    for (const PackedFile& file : payload.Files)
        total += file.Size + kSlackPerFile;
    return total;
}

// Starts setup.exe in the folder with the loader's own arguments and waits
// for it; nothing when it cannot be started. Each argument is quoted so that
// setup.exe's runtime splits them as the loader's did; a relative log file
// is made full here, where the command was started.
bool RunSetup(const std::string& folder, const std::vector<std::string>& arguments, DWORD& exitCode) {
    const std::string program = folder + "\\setup.exe";
    std::string commandLine = CommandLineOf(program, WithFullLogPath(arguments, FullPathOf));
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return false;
    const KernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    return GetExitCodeProcess(process.hProcess, &exitCode) != FALSE;
}

int Run(Loader& loader) {
    OwnFileSource source(ProgramPath());
    if (!source)
        return loader.Fail(DamagedText(PayloadProblem::Truncated));
    std::optional<UnpackProgress>& progress = loader.Progress;
    progress.emplace(loader.Instance, loader.Switches.Mode != RunMode::VerySilent);
    progress->Stage("Checking the setup files...", source.Size());
    const auto update = [&progress](uint64_t done) { progress->Update(done); };
    const Checked<CheckedPayload> payload = CheckPayload(source, update);
    if (!payload)
        return loader.Fail(DamagedText(payload.Problem));

    const std::string parent = WindowsDirectory() + "\\TEMP";
    const uint64_t needed = UnpackedSize(payload.Value);
    // Found at run time: the first Windows 95 lacks it (and then nothing is checked).
    using FreeSpaceCall = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    const auto freeSpace = ProcAddress<FreeSpaceCall>(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA");
    ULARGE_INTEGER available{};
    if (freeSpace && freeSpace((parent + "\\").c_str(), &available, nullptr, nullptr) && available.QuadPart < needed)
        return loader.Fail(MissingSpaceText(parent.substr(0, 2), needed, available.QuadPart));
    // The access list and the random name come from advapi32, which the
    // loader does not import.
    KeptSystemLibrary("advapi32.dll");
    const std::string folder = MakePrivateFolder(parent, "TarvaneSetup-");
    if (folder.empty())
        return loader.Fail("Setup cannot make a folder of its own in " + parent + " to unpack its files.");

    FolderSink sink(folder);
    const PayloadHeader& header = payload.Value.Header;
    progress->Stage("Unpacking the setup files...", header.LzmaUnpackedSize + header.StoredSize);
    const UnpackOutcome outcome = UnpackPayload(source, payload.Value, sink, update);
    progress.reset();
    sink.End();
    DWORD exitCode = kLoaderFailed;
    std::string failure;
    if (outcome == UnpackOutcome::Damaged)
        failure = DamagedText(PayloadProblem::DataDamaged);
    else if (outcome == UnpackOutcome::SinkFailed)
        failure = "Setup cannot write its files to " + folder + ".";
    else if (!RunSetup(folder, loader.Arguments, exitCode))
        failure = "Setup cannot start " + folder + "\\setup.exe.";
    RemoveFolderTree(folder, Leftovers::RemoveAtRestart);
    return failure.empty() ? static_cast<int>(exitCode) : loader.Fail(failure);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictLibrarySearch();
    Loader loader{instance, {}, {}, std::nullopt};
    for (int index = 1; index < __argc; ++index)
        loader.Arguments.emplace_back(__argv[index]);
    // A refused argument is setup.exe's to report; the mode is read all the same.
    loader.Switches = ReadSwitches(loader.Arguments, SwitchSet::Setup).Switches;
    return Run(loader);
}
