// setupcheck.exe: the script checker as a Windows console program.
#include <iostream>

#include "checker/CheckRun.h"
#include "checker/HostMedium.h"
#include "windows/AnsiCharClass_win.h"
#include "windows/SystemLibrary_win.h"

int main(int argc, char** argv) {
    RestrictLibrarySearch();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CheckPlatformParts parts{IsCharAlphaNumericAnsi, [](const std::string& medium) {
                                       return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                   }};
    return static_cast<int>(RunCheck(args, parts, std::cout, std::cerr));
}
