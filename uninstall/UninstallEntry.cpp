#include "uninstall/UninstallEntry.h"

#include <algorithm>

namespace {
constexpr size_t MaxKeyNameComponent = 255;
}

std::string UninstallLogPath(const std::string& destinationDirectory) {
    return destinationDirectory + "\\Uninstall.log";
}

std::string UninstallKeyPath(const std::string& appName) {
    std::string path = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    size_t start = 0;
    for (;;) {
        const size_t slash = appName.find('\\', start);
        const size_t end = slash == std::string::npos ? appName.size() : slash;
        path.append(appName, start, std::min(end - start, MaxKeyNameComponent));
        if (slash == std::string::npos)
            return path;
        path += '\\';
        start = slash + 1;
    }
}

std::string UninstallCommand(const std::string& destinationDirectory) {
    const std::string command = destinationDirectory + "TAUninstall.exe";
    return command.find(' ') == std::string::npos ? command : "\"" + command + "\"";
}
