// An earlier installation of the same application, found by its uninstall
// entry. It counts only when its log is the one that installation left: an
// upgrade carries that log's records over and installs into its folder.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "uninstall/LogCodePage.h"
#include "uninstall/LogDigest.h"
#include "uninstall/UninstallLogReader.h"

// What the machine holds for the application's key.
struct EntryFindings {
    bool EntryExists = false;
    std::optional<std::string> InstallLocation;
    std::optional<std::string> DisplayVersion;
    std::optional<std::string> LogBytes; // empty when the log cannot be read
    StoredLogDigests Digests;
    std::vector<std::string> KeyNames;   // the application's key names
};

struct EarlierInstallation {
    std::string Folder;  // InstallLocation, ending in a backslash
    std::string Version; // DisplayVersion when it is a version text, else empty
    ParsedLog Log;
};

struct EarlierLookup {
    std::optional<EarlierInstallation> Found;
    // For the run log: what was found, or why the entry is treated as absent.
    std::string Note;
};

// Brings a log's names into the code page of this run (the log's own is
// the one its entry names); empty when they are in it already.
using LogRecoder = std::function<LogRecodeResult(const ParsedLog&)>;

EarlierLookup JudgeEarlierInstallation(const EntryFindings& findings, const LogHasher& hash,
                                       const LogRecoder& toOwnCodePage = {});

// Whether a full destination path is the earlier installation's folder
// (case and a final backslash aside). When it is not, the new log records
// the earlier folder's Uninstall.log, so that removal takes it too.
bool IsEarlierFolder(const EarlierInstallation& earlier, const std::string& fullDestination);
