// Feeds arbitrary bytes to the script reader, then resolves every argument
// against variables that the same input defines, cycles included.
#include <cstddef>
#include <cstdint>
#include <string>

#include "script/ScriptReader.h"
#include "script/VariableTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScriptReader reader;
    reader.Parse(std::string(reinterpret_cast<const char*>(data), size), IsAlphaNumeric1252);
    // A few short variables keep the legitimate (non-cyclic) growth of
    // nested references small enough for the fuzzer's time limit.
    VariableTable variables;
    int defined = 0;
    for (const ScriptStatement& statement : reader.Statements) {
        if (statement.Arguments.size() >= 2 && statement.Arguments[1].size() < 32 && defined < 4) {
            variables.Set(statement.Arguments[0], statement.Arguments[1]);
            ++defined;
        }
    }
    for (ScriptStatement& statement : reader.Statements) {
        for (std::string& argument : statement.Arguments) {
            if (argument.size() < 256)
                variables.Substitute(argument);
        }
    }
    return 0;
}
