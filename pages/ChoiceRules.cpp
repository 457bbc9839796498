#include "pages/ChoiceRules.h"

bool PathNamesDriveRoot(const std::string& path) {
    return path.size() >= 3;
}

std::string DriveRootOf(const std::string& path) {
    return path.substr(0, 3);
}

std::string FreeSpaceText(uint64_t freeBytes) {
    return std::to_string(freeBytes / 1024) + " kb";
}

uint64_t FreeBytesFromClusters(uint32_t freeClusters, uint32_t sectorsPerCluster, uint32_t bytesPerSector) {
    return static_cast<uint32_t>(freeClusters * sectorsPerCluster * bytesPerSector);
}

std::string InstallDirFromChosenFolder(const std::string& folder, const std::string& appName) {
    return folder + "\\" + appName + "\\";
}

std::string NewProgramGroup(const std::string& programsFolder, const std::string& groupName) {
    return programsFolder + "\\" + groupName + "\\";
}

std::optional<std::string> ChoicePageTitle(const std::string& caption, const std::string& appName) {
    if (!caption.empty())
        return caption;
    if (!appName.empty())
        return appName + " Setup";
    return std::nullopt;
}
