// setuppack for the build host: packs a medium with the Windows programs of
// the cross builds beside this build (../mingw for 32-bit, ../mingw64 for
// 64-bit).
#include <filesystem>
#include <iostream>

#include "checker/HostMedium.h"
#include "setuppack/PackRun.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::filesystem::path self = std::filesystem::absolute(argv[0]).parent_path();
    PackPlatformParts parts;
    parts.Check = CheckPlatformParts{IsAlphaNumeric1252, [](const std::string& medium) {
                                         return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                     }};
    parts.DefaultPrograms = [self](PackArch arch) {
        return (self.parent_path() / (arch == PackArch::X86 ? "mingw" : "mingw64")).string();
    };
    return static_cast<int>(RunPack(args, parts, std::cout, std::cerr));
}
