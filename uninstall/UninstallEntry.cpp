#include "uninstall/UninstallEntry.h"

#include <algorithm>

#include "uninstall/PathRules.h"

namespace {
constexpr size_t MaxKeyNameComponent = 255;
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
        names.push_back(appName.substr(start, std::min(end - start, MaxKeyNameComponent)));
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

std::string UninstallCommand(const std::string& destinationDirectory) {
    const std::string command = JoinPath(destinationDirectory, "TAUninstall.exe");
    return command.find(' ') == std::string::npos ? command : "\"" + command + "\"";
}
