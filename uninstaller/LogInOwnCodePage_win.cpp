#include "uninstaller/LogInOwnCodePage_win.h"

#include "uninstall/UninstallRegistry_win.h"
#include "windows/CodePages_win.h"

LogRecodeResult LogInOwnCodePage(const ParsedLog& log) {
    const SystemCodePages pages;
    const bool ownUtf8 = ProcessIsUtf8();
    for (const bool logUtf8 : {false, true}) {
        const LogRecodeResult recoded = RecodeLog(log, logUtf8, ownUtf8, pages);
        if (!recoded.Log)
            continue;
        const std::vector<std::string>& names = recoded.Log->KeyNames;
        if (!ReadEntryText(names, "UninstallString"))
            continue;
        const bool entryUtf8 = ReadEntryNumber(names, LogCodePageValue).value_or(0) == Utf8CodePage;
        if (entryUtf8 == logUtf8)
            return recoded;
    }
    // No entry tells: the legacy reading, whose entry is then not found.
    return RecodeLog(log, false, ownUtf8, pages);
}
