// bundleloader.exe: the front of every bundle that setuppack writes. It
// checks the payload behind its own image, unpacks what setup.exe needs to
// start into a new folder of its own under the Windows TEMP folder, runs
// setup.exe from there with its own command line while it unpacks the rest
// behind setup.exe's pages, removes the folder and ends with setup.exe's
// exit code.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <vector>

#include "loader/FolderSink_win.h"
#include "loader/LoaderTexts.h"
#include "loader/OwnFileSource_win.h"
#include "loader/UnpackProgress_win.h"
#include "run/ArgumentQuoting.h"
#include "run/SetupSwitches.h"
#include "windows/PendingUnpack_win.h"
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

// Starts setup.exe in the folder with the loader's own arguments; it
// inherits the handles of the block of pending files. Nothing when it cannot
// be started. Each argument is quoted so that setup.exe's runtime splits them
// as the loader's did; a relative log file is made full here, where the
// command was started.
KernelHandle StartSetup(const std::string& folder, const std::vector<std::string>& arguments) {
    const std::string program = folder + "\\setup.exe";
    std::string commandLine = CommandLineOf(program, WithFullLogPath(arguments, FullPathOf));
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return KernelHandle();
    CloseHandle(process.hThread);
    return KernelHandle(process.hProcess);
}

// A test hook: TARVANE_TEST_UNPACK_PAUSE=<milliseconds> makes the unpacking
// behind the pages wait that long before each file, so that tests can meet
// a copy run that is ahead of it. It only ever slows the loader down.
DWORD TestPause() {
    char value[16] = {};
    const DWORD length = GetEnvironmentVariableA("TARVANE_TEST_UNPACK_PAUSE", value, sizeof(value));
    return length > 0 && length < sizeof(value) ? static_cast<DWORD>(std::strtoul(value, nullptr, 10)) : 0;
}

// The files after the lead, unpacked on a thread of their own while
// setup.exe shows its pages; each is published in the block when complete.
struct BehindThePages {
    PayloadUnpacker& Unpacker;
    const CheckedPayload& Payload;
    size_t Lead;
    PendingBlockWriter& Block;
    FolderSink Sink;
    std::atomic<bool> Stop{false};
    UnpackOutcome Outcome = UnpackOutcome::Unpacked;
    DWORD Pause = TestPause();

    static DWORD WINAPI Run(void* self) {
        auto& me = *static_cast<BehindThePages*>(self);
        const auto none = [](uint64_t) {};
        for (size_t next = me.Lead; next < me.Payload.Files.size() && !me.Stop.load(); ++next) {
            if (me.Pause > 0)
                Sleep(me.Pause);
            me.Outcome = me.Unpacker.UnpackUpTo(next + 1, me.Sink, none);
            if (me.Outcome != UnpackOutcome::Unpacked) {
                me.Block.SetPhase(UnpackPhase::Failed);
                return 0;
            }
            me.Block.SetDone(static_cast<uint32_t>(next + 1 - me.Lead));
        }
        me.Block.SetPhase(me.Stop.load() ? UnpackPhase::Failed : UnpackPhase::Finished);
        return 0;
    }
};

std::string FailureText(UnpackOutcome outcome, const std::string& folder) {
    if (outcome == UnpackOutcome::Damaged)
        return DamagedText(PayloadProblem::DataDamaged);
    if (outcome == UnpackOutcome::SinkFailed)
        return "Setup cannot write its files to " + folder + ".";
    return std::string();
}

// Runs setup.exe while the files after the lead are unpacked, and waits for
// both; a stop (setup.exe ended first) ends the unpacking. Empty on success.
std::string RunSetupBehindPages(const std::string& folder, const std::vector<std::string>& arguments,
                                PayloadUnpacker& unpacker,
                                const CheckedPayload& payload, size_t lead, DWORD& exitCode) {
    FolderSink reserver(folder);
    std::vector<std::string> pending;
    for (size_t i = lead; i < payload.Files.size(); ++i) {
        if (!reserver.Reserve(payload.Files[i]))
            return FailureText(UnpackOutcome::SinkFailed, folder);
        pending.push_back(payload.Files[i].Path);
    }
    PendingBlockWriter block(pending);
    if (!block || !SetEnvironmentVariableA(kPendingUnpackVariable, block.VariableValue().c_str()))
        return "Setup cannot share the state of its unpacking with " + folder + "\\setup.exe.";
    const KernelHandle setup = StartSetup(folder, arguments);
    SetEnvironmentVariableA(kPendingUnpackVariable, nullptr);
    if (!setup)
        return "Setup cannot start " + folder + "\\setup.exe.";
    BehindThePages work{unpacker, payload, lead, block,
                        FolderSink(folder, FolderSink::Mode::FillReserved, &work.Stop)};
    DWORD threadId = 0;
    const KernelHandle thread(CreateThread(nullptr, 0, &BehindThePages::Run, &work, 0, &threadId));
    if (!thread)
        block.SetPhase(UnpackPhase::Failed);
    WaitForSingleObject(setup.get(), INFINITE);
    work.Stop.store(true);
    if (thread)
        WaitForSingleObject(thread.get(), INFINITE);
    if (!GetExitCodeProcess(setup.get(), &exitCode))
        exitCode = kLoaderFailed;
    if (!thread)
        return FailureText(UnpackOutcome::SinkFailed, folder);
    // A stop is no failure; damage or a failed write is, whether or not
    // setup.exe needed the file.
    const bool stopped = work.Stop.load() && work.Outcome == UnpackOutcome::SinkFailed;
    return stopped ? std::string() : FailureText(work.Outcome, folder);
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
    const std::string folder = MakePrivateFolder(parent, kExtractionFolderPrefix);
    if (folder.empty())
        return loader.Fail("Setup cannot make a folder of its own in " + parent + " to unpack its files.");

    FolderSink sink(folder);
    PayloadUnpacker unpacker(source, payload.Value);
    const size_t lead = LeadEnd(payload.Value);
    uint64_t leadBytes = 0;
    for (size_t i = 0; i < lead; ++i)
        leadBytes += payload.Value.Files[i].Size;
    progress->Stage("Unpacking the setup files...", leadBytes);
    const UnpackOutcome outcome = unpacker.UnpackUpTo(lead, sink, update);
    progress.reset();
    sink.End();
    DWORD exitCode = kLoaderFailed;
    std::string failure = FailureText(outcome, folder);
    if (failure.empty())
        failure = RunSetupBehindPages(folder, loader.Arguments, unpacker, payload.Value, lead, exitCode);
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
