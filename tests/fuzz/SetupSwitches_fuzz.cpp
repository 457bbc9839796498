// Feeds arbitrary command lines (arguments separated by NUL bytes) to the
// switch reader, as setup.exe and the bundle loader read them, and arbitrary
// events to the log's line format, and checks what must hold for any input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "run/RunLogText.h"
#include "run/SetupSwitches.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckReading(const std::vector<std::string>& arguments, SwitchSet set) {
    const SwitchReading reading = ReadSwitches(arguments, set);
    if (!reading.Accepted())
        Require(reading.Refused == "\"\"" ||
                std::find(arguments.begin(), arguments.end(), reading.Refused) != arguments.end());
    const RunSwitches& switches = reading.Switches;
    if (switches.Directory)
        Require(set == SwitchSet::Setup && switches.Directory->size() >= 3 && switches.Directory->back() == '\\' &&
                switches.Directory->find('"') == std::string::npos);
    Require(switches.Log != LogTarget::File || !switches.LogFile.empty());
    Require(EffectiveLogTarget(switches) != LogTarget::None || switches.Mode == RunMode::Interactive);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments;
    size_t start = 0;
    for (size_t end; (end = input.find('\0', start)) != std::string::npos; start = end + 1)
        arguments.push_back(input.substr(start, end - start));
    arguments.push_back(input.substr(start));
    CheckReading(arguments, SwitchSet::Setup);
    CheckReading(arguments, SwitchSet::Uninstaller);

    // What the bundle loader passes on reads as what it was given, apart
    // from the log file made full.
    const std::vector<std::string> passed =
        WithFullLogPath(arguments, [](const std::string& path) { return "C:\\start\\" + path; });
    Require(passed.size() == arguments.size());
    const SwitchReading given = ReadSwitches(arguments, SwitchSet::Setup);
    const SwitchReading read = ReadSwitches(passed, SwitchSet::Setup);
    Require(read.Switches.Mode == given.Switches.Mode && read.Switches.Log == given.Switches.Log &&
            read.Switches.Directory == given.Switches.Directory && read.Accepted() == given.Accepted());
    Require(read.Switches.Log != LogTarget::File || read.Switches.LogFile == "C:\\start\\" + given.Switches.LogFile);

    const std::string line = RunLogLine(LogTime{}, input);
    Require(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0);
    Require(line.find_first_of("\r\n") == line.size() - 2);
    return 0;
}
