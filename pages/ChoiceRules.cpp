#include "pages/ChoiceRules.h"

#include <algorithm>

#include "script/SetupRecords.h"

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

std::optional<std::string> SelectSectionsByName(std::vector<SectionEntry>& sections,
                                                const std::vector<std::string>& names) {
    const auto named = [&](const std::string& name) {
        return std::any_of(sections.begin(), sections.end(),
                           [&](const SectionEntry& section) { return section.Name == name; });
    };
    for (const std::string& name : names)
        if (!named(name))
            return name;
    for (SectionEntry& section : sections)
        section.Selected = std::find(names.begin(), names.end(), section.Name) != names.end() ? 1 : 0;
    return std::nullopt;
}
