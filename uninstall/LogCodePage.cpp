#include "uninstall/LogCodePage.h"

const char LogCodePageValue[] = "LogCodePage";

bool LogRecordsInUtf8(bool processIsUtf8, ScriptEncoding script, const std::vector<std::string>& names,
                      const CodePageConverter& pages) {
    if (!processIsUtf8)
        return false;
    if (script == ScriptEncoding::Utf8)
        return true;
    for (const std::string& name : names)
        if (!Recode(name, true, false, pages))
            return true;
    return false;
}

LogRecodeResult RecodeLog(const ParsedLog& log, bool fromUtf8, bool toUtf8, const CodePageConverter& pages) {
    LogRecodeResult result;
    ParsedLog recoded = log;
    for (LogRecord& record : recoded.Records) {
        const std::optional<std::string> path = Recode(record.Path, fromUtf8, toUtf8, pages);
        if (!path) {
            result.Line = record.Line;
            return result;
        }
        record.Path = *path;
    }
    for (std::string& name : recoded.KeyNames) {
        const std::optional<std::string> converted = Recode(name, fromUtf8, toUtf8, pages);
        if (!converted) {
            result.Line = log.KeyLine;
            return result;
        }
        name = *converted;
    }
    result.Log = std::move(recoded);
    return result;
}
