// Reads "Uninstall.log" back: the exact layout that UninstallLog writes.
// A log that departs from it anywhere is refused as a whole, with the line
// that departs, so that a damaged or edited log never leads to removing
// anything.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "uninstall/UninstallLog.h"

enum class RecordKind { NonShared, Shared };

// The third line of a shared record: whether the file loaded as a library
// and exported DllRegisterServer when it was installed.
enum class SelfRegistration { NotLoadable, Registered, NotExported };

struct LogRecord {
    std::string Path;
    RecordKind Kind = RecordKind::NonShared;
    SelfRegistration Registration = SelfRegistration::NotLoadable;
    size_t Line = 0;  // 1-based line of the path
};

struct ParsedLog {
    LogDate Date;
    std::vector<LogRecord> Records;  // in log order
    // The application's key names below UninstallRootKey (one or more).
    std::vector<std::string> KeyNames;
    size_t KeyLine = 0;
};

struct LogReadResult {
    std::optional<ParsedLog> Log;  // empty when refused
    size_t ErrorLine = 0;          // 1-based
    std::string Error;             // what is wrong on that line
};

// CR LF and LF line ends are both accepted.
LogReadResult ReadUninstallLogText(const std::string& bytes);

// "line N: <error>", for the message that refuses the log.
std::string DescribeRefusal(const LogReadResult& result);

// Writes one record as the installation wrote it: an upgrade carries the
// earlier log's records into its own log this way.
void WriteRecord(UninstallLog& writer, const LogRecord& record);

// The log as the writer would write it with only the records whose keep flag
// is set (keep holds one flag per record): what is left to do once the others
// were handled, so that a second run never handles a shared file's reference
// count twice.
std::string ComposeRemainingLog(const ParsedLog& log, const std::vector<bool>& keep);
