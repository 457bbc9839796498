#include "install/CopyPlan.h"

#include "text/IniSyntax.h"
#include "text/PathText.h"

bool IsSectionInstalled(const SectionEntry& section) {
    return section.Selected != 0 || section.MustInstall != 0;
}

std::vector<CopySectionStep> PlanCopyRun(const std::vector<SectionEntry>& sections,
                                         const std::vector<FileEntry>& files) {
    std::vector<CopySectionStep> plan;
    for (size_t s = 0; s < sections.size(); ++s) {
        if (!IsSectionInstalled(sections[s]))
            continue;
        CopySectionStep step;
        step.SectionIndex = s;
        step.SectionBarPosition = static_cast<int>(plan.size());
        for (size_t f = 0; f < files.size(); ++f) {
            if (files[f].Section == sections[s].Name)
                step.Files.push_back({f, static_cast<int>(step.Files.size())});
        }
        step.FileBarHigh = ProgressRangeHigh(step.Files.size());
        plan.push_back(std::move(step));
    }
    return plan;
}

uint16_t ProgressRangeHigh(size_t count) {
    return static_cast<uint16_t>((count - 1) & 0xFFFF);
}

int FilledBarPixels(uint16_t high, int position, int widthPixels) {
    if (high == 0)
        return 0;
    const long long scaled = static_cast<long long>(position) * widthPixels;
    return static_cast<int>((scaled + high / 2) / high);
}

size_t CountSectionsForBar(const std::vector<SectionEntry>& sections) {
    size_t count = 0;
    for (const SectionEntry& section : sections) {
        if (section.MustInstall == 1 || section.Selected == 1)
            ++count;
    }
    return count;
}

bool IsBareGroupName(const std::string& programGroup) {
    return programGroup.find(':') == std::string::npos;
}

std::string ShortcutLinkPath(const std::string& programGroup, const std::string& shortcutName) {
    std::string folder = programGroup;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder + "\\" + shortcutName + ".lnk";
}

bool ShouldCreateShortcut(int createProgramGroup, const FileEntry& entry, const std::string& installedPath) {
    return createProgramGroup != 0 && entry.Shortcut != 0 && !installedPath.empty();
}

std::string AssemblyFilePath(const std::string& assemblyFolder, const std::string& destination) {
    return assemblyFolder + "\\" + FileNamePart(destination) + ".ToInstall.TMP";
}

AssemblyStart AssemblyStartOf(const std::vector<FileEntry>& files, size_t position) {
    const std::string name = FileNamePart(files.at(position).Destination);
    for (size_t earlier = 0; earlier < position; ++earlier) {
        if (files[earlier].IsPiece && SameNameIgnoringCase(FileNamePart(files[earlier].Destination), name))
            return AssemblyStart::Continue;
    }
    return AssemblyStart::Empty;
}

PieceStep NextPieceStep(FetchResult fetched, int lastPiece) {
    if (fetched == FetchResult::Quit)
        return PieceStep::StopRun;
    return lastPiece != 0 ? PieceStep::InstallAssembly : PieceStep::WaitForMore;
}
