// A shared file's record: its reference count goes down by one; the file
// goes only when no program uses it any more and the user agrees.
#pragma once
#include "uninstall/RemovalReport.h"
#include "uninstall/UninstallLogReader.h"

// Returns false, with the failure noted in the report, when the count could
// not be changed: the record must then stay in the log for another run.
bool ReleaseSharedFile(const LogRecord& record, RemovalReport& report);

extern const char SharedFileCaption[];
