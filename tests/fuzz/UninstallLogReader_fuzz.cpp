// Feeds arbitrary bytes to the uninstall log reader: it must never crash,
// a refusal names a line of the text (or the one after its end), and an
// accepted log that the uninstaller would act on composes back into a log
// that reads to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "uninstall/RemovalPlan.h"
#include "uninstall/UninstallLogReader.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

size_t LineCount(const std::string& text) {
    size_t lines = 1;
    for (const char c : text)
        lines += c == '\n';
    return lines;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const LogReadResult result = ReadUninstallLogText(text);
    if (!result.Log) {
        Require(result.ErrorLine >= 1 && result.ErrorLine <= LineCount(text) + 1);
        Require(!result.Error.empty());
        return 0;
    }
    const ParsedLog& log = *result.Log;
    Require(!log.KeyNames.empty());
    const RemovalPlan plan = PlanRemoval(log, [](const std::string&) { return false; });
    Require(plan.Order.size() + plan.Refused.size() == log.Records.size());
    if (!plan.Refused.empty())
        return 0;
    const LogReadResult again = ReadUninstallLogText(ComposeRemainingLog(log, std::vector<bool>(log.Records.size(), true)));
    Require(again.Log && again.Log->Records.size() == log.Records.size());
    for (size_t i = 0; i < log.Records.size(); ++i) {
        Require(again.Log->Records[i].Path == log.Records[i].Path);
        Require(again.Log->Records[i].Kind == log.Records[i].Kind);
        Require(again.Log->Records[i].Registration == log.Records[i].Registration);
    }
    return 0;
}
