#include "uninstall/EarlierInstallation_win.h"

#include <windows.h>

#include "text/FileBytes.h"
#include "uninstall/LogDigest_win.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallRegistry_win.h"

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
    return JudgeEarlierInstallation(ReadEntryFindings(appName), Sha256Digest);
}
