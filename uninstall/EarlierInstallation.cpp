#include "uninstall/EarlierInstallation.h"

#include <cctype>

#include "text/VersionText.h"
#include "uninstall/UninstallEntry.h"

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool SameKey(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameIgnoringCase(a[i], b[i]))
            return false;
    return true;
}

EarlierLookup Absent(const std::string& why) { return EarlierLookup{std::nullopt, why}; }

} // namespace

bool IsEarlierFolder(const EarlierInstallation& earlier, const std::string& fullDestination) {
    std::string destination = fullDestination;
    if (destination.empty() || destination.back() != '\\')
        destination += '\\';
    return SameIgnoringCase(destination, earlier.Folder);
}

EarlierLookup JudgeEarlierInstallation(const EntryFindings& findings, const LogHasher& hash,
                                       const LogRecoder& toOwnCodePage) {
    if (!findings.EntryExists)
        return Absent("no earlier installation");
    const std::string ignored = "an earlier entry is treated as absent: ";
    if (!findings.InstallLocation || findings.InstallLocation->empty())
        return Absent(ignored + "it names no InstallLocation");
    std::string folder = *findings.InstallLocation;
    if (folder.back() != '\\')
        folder += '\\';
    const std::string logPath = UninstallLogPath(folder);
    if (!findings.LogBytes)
        return Absent(ignored + "its log " + logPath + " cannot be read");
    switch (CheckLogDigest(*findings.LogBytes, findings.Digests, hash)) {
    case DigestVerdict::Matches: break;
    case DigestVerdict::NoDigest: return Absent(ignored + "it holds no digest of its log");
    case DigestVerdict::Missing: return Absent(ignored + "its digest, which its setup keeps, is missing");
    case DigestVerdict::Changed: return Absent(ignored + "its log " + logPath + " was changed after setup wrote it");
    case DigestVerdict::Uncheckable: return Absent(ignored + "this system cannot check the digest of its log");
    }
    LogReadResult read = ReadUninstallLogText(*findings.LogBytes);
    if (!read.Log)
        return Absent(ignored + "its log " + logPath + " is refused (" + DescribeRefusal(read) + ")");
    // The earlier records are written again by this run, in this run's code
    // page: a name must mean the same file in both.
    if (toOwnCodePage) {
        LogRecodeResult recoded = toOwnCodePage(*read.Log);
        if (!recoded.Log)
            return Absent(ignored + "line " + std::to_string(recoded.Line) + " of its log " + logPath +
                          " has no form in this system's code page");
        read.Log = std::move(recoded.Log);
    }
    if (!SameKey(read.Log->KeyNames, findings.KeyNames))
        return Absent(ignored + "its log names another uninstall key");
    EarlierInstallation earlier;
    earlier.Folder = folder;
    const std::string version = findings.DisplayVersion.value_or("");
    earlier.Version = IsVersionText(version) ? version : std::string();
    earlier.Log = std::move(*read.Log);
    const std::string note = "earlier installation in " + folder +
                             (earlier.Version.empty() ? std::string() : ", version " + earlier.Version);
    return EarlierLookup{std::move(earlier), note};
}
