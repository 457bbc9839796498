// robot.exe: drives the windows of other programs under the same Wine prefix
// for the end-to-end tests. Usage:
//   robot.exe FILE          run the command lines of FILE
//   robot.exe -e LINE ...   run the given command lines
// See tests/e2e/README.md for the command language.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/robot/Robot.h"

namespace {

bool ReadLines(const char* path, std::vector<std::string>& lines) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string line;
    while (std::getline(file, line))
        lines.push_back(line);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Plain LF line ends, so that the runner's line matching stays simple.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> lines;
    if (argc == 2 && std::strcmp(argv[1], "-e") != 0) {
        if (!ReadLines(argv[1], lines)) {
            std::printf("error cannot read %s\n", argv[1]);
            return 2;
        }
    } else {
        for (int i = 1; i + 1 < argc; i += 2) {
            if (std::strcmp(argv[i], "-e") != 0) {
                std::printf("usage: robot.exe FILE | robot.exe -e LINE [-e LINE ...]\n");
                return 2;
            }
            lines.push_back(argv[i + 1]);
        }
    }
    return RunRobotScript(lines);
}
