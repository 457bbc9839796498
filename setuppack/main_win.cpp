// setuppack.exe: the builder as a Windows console program. Its own
// architecture's programs lie beside it; the other's in the sibling build
// folder (..\mingw or ..\mingw64).
#include <iostream>

#include "checker/HostMedium.h"
#include "setuppack/PackRun.h"
#include "text/HostPath.h"
#include "windows/AnsiCharClass_win.h"
#include "windows/CodePages_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"

int main(int argc, char** argv) {
    RestrictLibrarySearch();
    SetHostTextIsUtf8(ProcessIsUtf8());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string program = ProgramPath();
    const std::string self = program.substr(0, program.find_last_of('\\'));
    PackPlatformParts parts;
    parts.Check = CheckPlatformParts{IsCharAlphaNumericAnsi, [](const std::string& medium) {
                                         return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                     }};
    parts.DefaultArch = sizeof(void*) == 4 ? PackArch::X86 : PackArch::X64;
    parts.DefaultPrograms = [self, own = parts.DefaultArch](PackArch arch) {
        return arch == own ? self : self + (arch == PackArch::X86 ? "\\..\\mingw" : "\\..\\mingw64");
    };
    return static_cast<int>(RunPack(args, parts, std::cout, std::cerr));
}
