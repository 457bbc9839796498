#include "install/CopyRun.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "app/GlobalState.h"
#include "install/CopyPlan.h"
#include "install/PathText.h"
#include "install/Shortcut.h"
#include "install/SourcePieces.h"
#include "install/VersionedInstall.h"
#include "windows/ShellFolders.h"

namespace {

enum CopyControl {
    IdFileBar = 1027,
    IdSectionBar = 1028,
    IdSectionName = 1033,
    IdFileName = 1034,
};

// A bare group name lies below the user's Programs folder.
void PrepareProgramGroup(SetupState& state) {
    std::string& group = state.Variables.Get("PROGRAMGROUP");
    if (IsBareGroupName(group))
        group = SpecialFolderPath(AsHwnd(state.MainWindow), CSIDL_PROGRAMS) + "\\" + group;
    CreateDirectoryA(group.c_str(), nullptr);
}

void CreateShortcutOf(SetupState& state, const FileEntry& entry, const std::string& installedPath) {
    if (!ShouldCreateShortcut(state.CreateProgramGroup, entry, installedPath))
        return;
    const std::string link = ShortcutLinkPath(state.Variables.Get("PROGRAMGROUP"), entry.ShortcutName);
    if (CreateShortcut(installedPath, link, entry.ShortcutName) == S_OK)
        state.UninstallLogStream.WriteShortcut(link);
}

} // namespace

int InstallFileEntry(size_t position, std::string& installedPath) {
    SetupState& state = TheState();
    installedPath.clear();
    std::string& destination = state.Files[position].Destination;
    state.Variables.Substitute(destination);
    CollapseBackslashes(destination);
    // Pieces keep their destination as written: all pieces of a split file
    // must meet in the one assembly file that its name gives.
    if (!state.Files[position].IsPiece)
        CompleteDirectoryDestination(destination, state.Files[position].Source);
    const FileEntry entry = state.Files[position];

    if (!entry.IsPiece) {
        if (InstallVersionedFile(entry.Source, position) == 1)
            return 1;
    } else {
        std::string assemblyPath;
        switch (NextPieceStep(FetchSourcePiece(entry, assemblyPath), entry.LastPiece)) {
        case PieceStep::StopRun:
            return 1;
        case PieceStep::WaitForMore:
            return 0;
        case PieceStep::InstallAssembly:
            // A stopped installation keeps the assembled file for a later run.
            if (InstallVersionedFile(assemblyPath, position) == 1)
                return 1;
            DeleteFileA(assemblyPath.c_str());
            break;
        }
    }
    installedPath = state.Files[position].Destination;
    CollapseBackslashes(installedPath);
    return 0;
}

int RunCopy() {
    SetupState& state = TheState();
    HWND page = AsHwnd(state.CurrentPage);
    HWND sectionBar = GetDlgItem(page, IdSectionBar);
    HWND fileBar = GetDlgItem(page, IdFileBar);
    if (state.CreateProgramGroup)
        PrepareProgramGroup(state);

    for (const CopySectionStep& section : PlanCopyRun(state.Sections, state.Files)) {
        SendMessageA(sectionBar, PBM_SETPOS, static_cast<WPARAM>(section.SectionBarPosition), 0);
        SendMessageA(fileBar, PBM_SETRANGE, 0, MAKELPARAM(0, section.FileBarHigh));
        SetDlgItemTextA(page, IdSectionName, state.Sections[section.SectionIndex].Name.c_str());
        for (const CopyFileStep& file : section.Files) {
            SetDlgItemTextA(page, IdFileName, FileNamePart(state.Files[file.FileIndex].Destination).c_str());
            SendMessageA(fileBar, PBM_SETPOS, static_cast<WPARAM>(file.FileBarPosition), 0);
            std::string installedPath;
            if (InstallFileEntry(file.FileIndex, installedPath) != 0)
                return file.StopPosition();
            CreateShortcutOf(state, state.Files[file.FileIndex], installedPath);
        }
    }
    return 0;
}
