#include "uninstall/EarlierInstallation_win.h"

#include <windows.h>

#include "text/FileBytes.h"
#include "uninstall/LogDigest_win.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallRegistry_win.h"
#include "windows/CodePages_win.h"

EntryFindings ReadEntryFindings(const std::string& appName) {
    EntryFindings findings;
    findings.KeyNames = UninstallKeyNames(appName);
    LONG error = ERROR_SUCCESS;
    findings.EntryExists = static_cast<bool>(OpenUninstallKey(findings.KeyNames, findings.KeyNames.size(), error));
    if (!findings.EntryExists)
        return findings;
    findings.InstallLocation = ReadEntryText(findings.KeyNames, "InstallLocation");
    findings.DisplayVersion = ReadEntryText(findings.KeyNames, "DisplayVersion");
    findings.Digests = ReadLogDigests(findings.KeyNames);
    if (findings.InstallLocation && !findings.InstallLocation->empty()) {
        std::string bytes;
        if (ReadWholeFile(UninstallLogPath(*findings.InstallLocation), bytes) == FileReadResult::Read)
            findings.LogBytes = std::move(bytes);
    }
    return findings;
}

EarlierLookup LookUpEarlierInstallation(const std::string& appName) {
    const EntryFindings findings = ReadEntryFindings(appName);
    const bool logUtf8 = ReadEntryNumber(findings.KeyNames, LogCodePageValue).value_or(0) == Utf8CodePage;
    const bool ownUtf8 = ProcessIsUtf8();
    if (logUtf8 == ownUtf8)
        return JudgeEarlierInstallation(findings, Sha256Digest);
    const SystemCodePages pages;
    return JudgeEarlierInstallation(findings, Sha256Digest, [&](const ParsedLog& log) {
        return RecodeLog(log, logUtf8, ownUtf8, pages);
    });
}
