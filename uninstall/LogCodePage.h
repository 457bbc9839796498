// The code page of the log's records. The header is fixed bytes; the records
// hold paths and names in the code page of the run that wrote them, and the
// uninstall entry names it, so that an uninstaller running in another code
// page reads the same names.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "text/TextEncoding.h"
#include "uninstall/UninstallLogReader.h"

// The entry's value (a DWORD) that holds the code page; a log without it is
// in the machine's legacy ANSI code page.
extern const char LogCodePageValue[];
constexpr unsigned long Utf8CodePage = 65001;

// A run in UTF-8 writes its records in the legacy ANSI code page, as every
// earlier log, when the script is not UTF-8 and each of names (the folders
// the records lie below) has a form there; otherwise in UTF-8.
bool LogRecordsInUtf8(bool processIsUtf8, ScriptEncoding script, const std::vector<std::string>& names,
                      const CodePageConverter& pages);

struct LogRecodeResult {
    std::optional<ParsedLog> Log;  // empty when a name has no form in the target
    size_t Line = 0;               // the record's line then
};

// The log's paths and key names in another code page, record for record.
LogRecodeResult RecodeLog(const ParsedLog& log, bool fromUtf8, bool toUtf8, const CodePageConverter& pages);
