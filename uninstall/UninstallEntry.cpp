#include "uninstall/UninstallEntry.h"

#include <algorithm>
#include <cstdio>

#include "uninstall/LogCodePage.h"
#include "text/TextEncoding.h"
#include "uninstall/PathRules.h"

namespace {
constexpr size_t MaxKeyNameComponent = 255;

// A UTF-8 name is cut before the character that would be split: half a
// character is no character, and the registry would store a stand-in.
std::string CutKeyName(const std::string& name) {
    if (name.size() <= MaxKeyNameComponent)
        return name;
    size_t cut = MaxKeyNameComponent;
    if (!IsPlainAscii(name) && DecodeUtf8(name))
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
    return name.substr(0, cut);
}
}

const char UninstallRootKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::string UninstallLogPath(const std::string& destinationDirectory) {
    return JoinPath(destinationDirectory, "Uninstall.log");
}

std::vector<std::string> UninstallKeyNames(const std::string& appName) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        const size_t slash = appName.find('\\', start);
        const size_t end = slash == std::string::npos ? appName.size() : slash;
        names.push_back(CutKeyName(appName.substr(start, end - start)));
        if (slash == std::string::npos)
            return names;
        start = slash + 1;
    }
}

std::string UninstallKeyPath(const std::string& appName) {
    std::string path = UninstallRootKey;
    for (const std::string& name : UninstallKeyNames(appName))
        path += "\\" + name;
    return path;
}

const char* const UninstallEntryValueNames[13] = {
    "DisplayName", "UninstallString", "QuietUninstallString", "InstallLocation", "Publisher",
    "EstimatedSize", "InstallDate", "NoModify", "NoRepair", LogCodePageValue,
    "DisplayVersion", "VersionMajor", "VersionMinor",
};

std::string UninstallerPath(const std::string& destinationDirectory) {
    return JoinPath(destinationDirectory, "TAUninstall.exe");
}

std::string UninstallCommand(const std::string& destinationDirectory) {
    const std::string command = UninstallerPath(destinationDirectory);
    return command.find(' ') == std::string::npos ? command : "\"" + command + "\"";
}

std::string QuietUninstallCommand(const std::string& destinationDirectory) {
    return "\"" + UninstallerPath(destinationDirectory) + "\" /VERYSILENT";
}

UninstallEntryDetails ComposeEntryDetails(const std::string& destinationDirectory, const std::string& publisher,
                                          uint64_t installedBytes, const LogDate& date) {
    UninstallEntryDetails details;
    details.QuietUninstallString = QuietUninstallCommand(destinationDirectory);
    details.InstallLocation = destinationDirectory;
    details.Publisher = publisher;
    const uint64_t kb = installedBytes / 1024 + (installedBytes % 1024 != 0 ? 1 : 0);
    details.EstimatedSizeKb = static_cast<uint32_t>(std::min<uint64_t>(kb, UINT32_MAX));
    char day[16];
    std::snprintf(day, sizeof(day), "%04d%02d%02d", date.Year % 10000, date.Month % 100, date.Day % 100);
    details.InstallDate = day;
    return details;
}
