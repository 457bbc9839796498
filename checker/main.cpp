// setupcheck for the build host: checks a setup script and its medium.
#include <iostream>

#include "checker/CheckRun.h"
#include "checker/HostMedium.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CheckPlatformParts parts{IsAlphaNumeric1252, [](const std::string& medium) {
                                       return std::unique_ptr<MediumFiles>(new HostMedium(medium));
                                   }};
    return static_cast<int>(RunCheck(args, parts, std::cout, std::cerr));
}
