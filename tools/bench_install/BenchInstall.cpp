// Measures what the versioned installation adds to the version-aware
// installer itself. The same files are installed by a bare loop of
// VerInstallFileA calls with the arguments the engine passes (short source
// and destination directories), and through InstallVersionedFile as the copy
// run calls it (non-shared entries, uninstall log written to a file); the
// ratio of the two times is printed. For comparison the bare loop also runs
// with the long directory names.
//
//   bench_install.exe <work directory> [rounds]
//
// Two sets: 2,000 files of 4 KiB and 8 files of 32 MiB. Each side runs
// `rounds` times (default 5) into a fresh directory after one warm-up.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "install/InstallVersionedFile_win.h"
#include "tools/bench_install/BareInstall.h"
#include "uninstall/LogFileSink_win.h"
#include "windows/FindFiles_win.h"
#include "windows/Handles_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

namespace {

struct FileSet {
    const char* Name;
    int Count;
    DWORD Size;
    double Target;
};

// 8.3 names, so the short and long forms the engine hands over are the
// names the bare loop uses.
std::string FileName(int index) {
    char name[16];
    std::snprintf(name, sizeof(name), "F%07d.DAT", index);
    return name;
}

bool WriteSources(const std::string& directory, const FileSet& set) {
    CreateDirectoryA(directory.c_str(), nullptr);
    std::vector<char> bytes(set.Size);
    unsigned state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    for (int index = 0; index < set.Count; ++index) {
        const std::string path = directory + "\\" + FileName(index);
        const FileHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.get(), bytes.data(), set.Size, &written, nullptr) || written != set.Size)
            return false;
    }
    return true;
}

void RemoveDirectoryWithFiles(const std::string& directory) {
    ForEachMatchingFile(directory + "\\*", [&](const std::string& name, bool isDirectory) {
        if (!isDirectory)
            DeleteFileA((directory + "\\" + name).c_str());
    });
    RemoveDirectoryA(directory.c_str());
}

double Seconds(LARGE_INTEGER start, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Timed(const std::function<bool()>& run) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    const bool ok = run();
    QueryPerformanceCounter(&end);
    return ok ? Seconds(start, end) : -1.0;
}

// The installer called as the engine calls it, with the short forms of both
// directories (under Wine each use of a short name costs a directory scan).
bool BareLoop(const std::string& sources, const std::string& destination, const FileSet& set, bool shortForms) {
    CreateDirectoryA(destination.c_str(), nullptr);
    const std::string from = shortForms ? ShortPathOf(sources) : sources;
    const std::string to = shortForms ? ShortPathOf(destination) : destination;
    for (int index = 0; index < set.Count; ++index) {
        if (!BareForcedInstall(FileName(index), from, to))
            return false;
    }
    return true;
}

// The engine as the copy run drives it: one entry per file, the uninstall
// log open on a file in the destination directory.
bool Engine(const std::string& sources, const std::string& destination, const FileSet& set) {
    CreateDirectoryA(destination.c_str(), nullptr);
    SetupState& state = TheState();
    state = SetupState();
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof(windows));
    state.Variables.Set("WINPATH", windows);
    state.Variables.Set("DP", destination);
    for (int index = 0; index < set.Count; ++index) {
        FileEntry entry;
        entry.Source = sources + "\\" + FileName(index);
        entry.Destination = destination + "\\" + FileName(index);
        state.Files.push_back(entry);
    }
    state.UninstallLogStream.Open(CreateLogFileSink(destination + "\\Uninstall.log"), nullptr);
    bool ok = true;
    for (int index = 0; index < set.Count && ok; ++index)
        ok = InstallVersionedFile(state.Files[index].Source, index) == RunFlow::GoOn;
    state.UninstallLogStream.Close();
    return ok;
}

bool Measure(const std::string& work, const FileSet& set, int rounds) {
    const std::string sources = work + "\\src-" + set.Name;
    if (!WriteSources(sources, set)) {
        std::printf("%s: cannot write the source files\n", set.Name);
        return false;
    }
    const std::string bare = work + "\\bare-" + set.Name;
    const std::string engine = work + "\\engine-" + set.Name;
    // Warm-up: the sources come from the cache in every measured round.
    BareLoop(sources, bare, set, false);
    RemoveDirectoryWithFiles(bare);

    // The three sides take turns at going first, so that none always meets
    // the others' writes still being flushed. Each round gives a ratio of
    // times measured side by side; their median is the figure, which holds
    // when the machine is busy with other work.
    std::vector<std::function<bool()>> sides = {
        [&] { return BareLoop(sources, bare, set, true); },
        [&] { return BareLoop(sources, bare, set, false); },
        [&] { return Engine(sources, engine, set); },
    };
    std::vector<double> best(sides.size(), 1e30);
    std::vector<double> ratios;
    std::vector<double> longNameRatios;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> seconds(sides.size());
        for (size_t turn = 0; turn < sides.size(); ++turn) {
            const size_t side = (turn + round) % sides.size();
            seconds[side] = Timed(sides[side]);
            RemoveDirectoryWithFiles(bare);
            RemoveDirectoryWithFiles(engine);
            if (seconds[side] < 0) {
                std::printf("%s: an installation failed\n", set.Name);
                return false;
            }
            best[side] = std::min(best[side], seconds[side]);
        }
        ratios.push_back(seconds[2] / seconds[0]);
        longNameRatios.push_back(seconds[2] / seconds[1]);
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(longNameRatios.begin(), longNameRatios.end());
    RemoveDirectoryWithFiles(sources);
    std::printf("%s: %d files of %lu bytes: fastest VerInstallFileA alone %.3f s (long directory names %.3f s), "
                "InstallVersionedFile %.3f s\n",
                set.Name, set.Count, static_cast<unsigned long>(set.Size), best[0], best[1], best[2]);
    std::printf("%s: ratio %.3f (median; lowest %.3f, highest %.3f), target at most %.2f; "
                "against long directory names %.3f\n",
                set.Name, ratios[ratios.size() / 2], ratios.front(), ratios.back(), set.Target,
                longNameRatios[longNameRatios.size() / 2]);
    return true;
}
}

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::printf("usage: bench_install <work directory> [rounds]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int rounds = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    CreateDirectoryA(work.c_str(), nullptr);
    const FileSet sets[] = {{"small", 2000, 4 * 1024, 1.30}, {"large", 8, 32 * 1024 * 1024, 1.10}};
    bool ok = true;
    for (const FileSet& set : sets)
        ok = Measure(work, set, rounds) && ok;
    RemoveDirectoryA(work.c_str());
    return ok ? 0 : 1;
}
