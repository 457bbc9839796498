// bare_install.exe: the floor of the copy run's speed. Installs every file of
// a source directory into a destination directory with nothing but
// VerInstallFileA, called as the engine calls it for a non-shared file
// (forced, short forms of both directories), and prints the seconds spent.
// bench_copy.sh sets this against setup.exe installing the same files.
//
//   bare_install.exe <source directory> <destination directory>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/bench_install/BareInstall.h"
#include "windows/FindFiles.h"
#include "windows/SystemPaths.h"

namespace {

std::vector<std::string> FilesOf(const std::string& directory) {
    std::vector<std::string> names;
    ForEachMatchingFile(directory + "\\*", [&](const std::string& name, bool isDirectory) {
        if (!isDirectory)
            names.push_back(name);
    });
    return names;
}

bool InstallAll(const std::string& from, const std::string& to, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (!BareForcedInstall(name, from, to)) {
            std::printf("VerInstallFileA failed for %s\n", name.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: bare_install <source directory> <destination directory>\n");
        return 2;
    }
    const std::vector<std::string> names = FilesOf(argv[1]);
    CreateDirectoryA(argv[2], nullptr);
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    // The engine resolves the short forms for every file; here they are the
    // loop's only work besides the installer.
    const bool ok = InstallAll(ShortPathOf(argv[1]), ShortPathOf(argv[2]), names);
    QueryPerformanceCounter(&end);
    if (!ok)
        return 1;
    std::printf("bare files=%lu seconds=%.3f\n", static_cast<unsigned long>(names.size()),
                static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    return 0;
}
