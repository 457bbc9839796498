// Feeds arbitrary bytes as a script to the checker over an empty medium and
// writes every report format, so that positions, rules and escaping meet
// whatever the reader makes of the input.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "checker/Report.h"
#include "checker/ScriptCheck.h"

namespace {
class EmptyMedium : public MediumFiles {
public:
    std::string Directory() const override { return "C:\\MEDIUM"; }
    bool Enumerate(const std::string&, const std::function<void(const std::string&, bool)>&) override { return true; }
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Substitution of nested references grows quickly; long inputs add
    // nothing the short ones do not reach.
    if (size > 1024)
        return 0;
    ScriptReader reader;
    reader.Parse(std::string(reinterpret_cast<const char*>(data), size), IsAlphaNumeric1252);
    EmptyMedium medium;
    const std::vector<Diagnostic> diagnostics = CheckScript(reader, medium);
    std::ostringstream out;
    WriteText(out, "s.ini", diagnostics);
    WriteJsonLines(out, "s.ini", diagnostics);
    WriteSarif(out, "s.ini", diagnostics);
    return 0;
}
