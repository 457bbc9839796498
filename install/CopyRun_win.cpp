#include "install/CopyRun_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <optional>

#include "install/CopyPlan.h"
#include "install/InstallVersionedFile_win.h"
#include "text/PathText.h"
#include "install/Shortcut_win.h"
#include "install/SourcePieces_win.h"
#include "install/SourceWait_win.h"
#include "resources/resource.h"
#include "rollback/NewFolders_win.h"
#include "rollback/RunJournal_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/QuitSetup_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/SystemPaths_win.h"

namespace {

// A bare group name lies below the user's Programs folder. The folder
// itself is made with the first shortcut that goes into it: a setup
// without shortcuts leaves no empty group in the Start menu.
void PrepareProgramGroup(SetupState& state) {
    std::string& group = state.Variables.Get("PROGRAMGROUP");
    if (IsBareGroupName(group))
        group = SpecialFolderPath(AsHwnd(state.MainWindow), CSIDL_PROGRAMS) + "\\" + group;
}

// The bar of the current section's files. The control repaints at once on
// every move, which with thousands of small files costs more than installing
// them; a move that would not change a pixel is not sent.
class FileBar {
public:
    explicit FileBar(HWND bar) : bar_(bar) {
        RECT client{};
        GetClientRect(bar, &client);
        width_ = client.right - client.left;
    }

    void SetRange(uint16_t high) {
        SendMessageA(bar_, PBM_SETRANGE, 0, MAKELPARAM(0, high));
        high_ = high;
        shown_ = kNothingShown;
    }

    void SetPosition(int position) {
        if (shown_ != kNothingShown &&
            FilledBarPixels(high_, position, width_) == FilledBarPixels(high_, shown_, width_))
            return;
        SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        shown_ = position;
    }

private:
    static constexpr int kNothingShown = -1; // positions are never negative
    HWND bar_;
    int width_ = 0;
    uint16_t high_ = 0;
    int shown_ = kNothingShown;
};

// A static text repaints at once when it is set; the same name again (all
// files of "[DP]") is not set again.
class NameField {
public:
    NameField(HWND page, int id) : page_(page), id_(id) {}

    void Show(const std::string& text) {
        if (shown_ == text)
            return;
        SetDlgItemTextA(page_, id_, text.c_str());
        shown_ = text;
    }

private:
    HWND page_;
    int id_;
    std::optional<std::string> shown_;
};

void CountInstalledBytes(SetupState& state, const std::string& installedPath) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!installedPath.empty() && GetFileAttributesExA(installedPath.c_str(), GetFileExInfoStandard, &data))
        state.InstalledBytes += (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void CreateShortcutOf(SetupState& state, const FileEntry& entry, const std::string& installedPath) {
    if (!ShouldCreateShortcut(state.CreateProgramGroup, entry, installedPath))
        return;
    const std::string link = ShortcutLinkPath(state.Variables.Get("PROGRAMGROUP"), entry.ShortcutName);
    const std::string folder = SplitAtLastBackslash(link).Directory;
    const MadeFolder made = MakeFolderWhole(folder);
    JournalFile(link, FileChange::WrittenInPlace);
    if (CreateShortcut(installedPath, link, entry.ShortcutName) == S_OK)
        state.UninstallLogStream.WriteShortcut(FullPathOf(link)); // a typed group may hold ".."
    else
        RemoveEmptyMadeLevels(folder, made.OutermostMade); // no record would ever take it away

}

// The destination as the copy run resolves it before installing the file.
std::string ResolvedDestination(const FileEntry& entry) {
    std::string destination = entry.Destination;
    TheState().Variables.Substitute(destination);
    CollapseBackslashes(destination);
    // Pieces keep their destination as written: all pieces of a split file
    // must meet in the one assembly file that its name gives.
    if (!entry.IsPiece)
        CompleteDirectoryDestination(destination, entry.Source);
    return destination;
}

// The records of the files of a section that the installer puts where their
// entries say (not shared files, not pieces), written at once before its
// first file: one flush per section instead of one per file.
void JournalSectionFiles(const CopySectionStep& section) {
    std::vector<std::string> targets;
    for (const CopyFileStep& file : section.Files) {
        const FileEntry& entry = TheState().Files[file.FileIndex];
        if (entry.Shared || entry.IsPiece)
            continue;
        std::string target = ResolvedDestination(entry);
        CollapseBackslashes(target); // as the installation of a non-shared file does
        targets.push_back(target);
    }
    JournalFiles(targets);
}

} // namespace

RunFlow InstallFileEntry(size_t position, std::string& installedPath) {
    SetupState& state = TheState();
    installedPath.clear();
    state.Files[position].Destination = ResolvedDestination(state.Files[position]);
    const FileEntry entry = state.Files[position];
    if (WaitUntilUnpacked(entry.Source) == RunFlow::Stop)
        return RunFlow::Stop;

    if (!entry.IsPiece) {
        if (InstallVersionedFile(entry.Source, position) == RunFlow::Stop)
            return RunFlow::Stop;
    } else {
        std::string assemblyPath;
        const AssemblyStart start = AssemblyStartOf(state.Files, position);
        switch (NextPieceStep(FetchSourcePiece(entry, start, assemblyPath), entry.LastPiece)) {
        case PieceStep::StopRun:
            return RunFlow::Stop;
        case PieceStep::WaitForMore:
            return RunFlow::GoOn;
        case PieceStep::InstallAssembly:
            // A stopped installation leaves the assembled file to the removal
            // of the run's assembly folder.
            if (InstallVersionedFile(assemblyPath, position) == RunFlow::Stop)
                return RunFlow::Stop;
            DeleteFileA(assemblyPath.c_str());
            break;
        }
    }
    installedPath = state.Files[position].Destination;
    CollapseBackslashes(installedPath);
    return RunFlow::GoOn;
}

std::optional<int> RunCopy() {
    SetupState& state = TheState();
    HWND page = AsHwnd(state.CurrentPage);
    HWND sectionBar = GetDlgItem(page, IDC_COPY_SECTION_BAR);
    FileBar fileBar(GetDlgItem(page, IDC_COPY_FILE_BAR));
    NameField fileName(page, IDC_COPY_FILE_NAME);
    if (state.CreateProgramGroup)
        PrepareProgramGroup(state);

    for (const CopySectionStep& section : PlanCopyRun(state.Sections, state.Files)) {
        SendMessageA(sectionBar, PBM_SETPOS, static_cast<WPARAM>(section.SectionBarPosition), 0);
        fileBar.SetRange(section.FileBarHigh);
        SetDlgItemTextA(page, IDC_COPY_SECTION_NAME, state.Sections[section.SectionIndex].Name.c_str());
        JournalSectionFiles(section);
        for (const CopyFileStep& file : section.Files) {
            fileName.Show(FileNamePart(state.Files[file.FileIndex].Destination));
            fileBar.SetPosition(file.FileBarPosition);
            std::string installedPath;
            // A quit confirmed on the page while a question was open stops
            // the run after this file.
            if (InstallFileEntry(file.FileIndex, installedPath) == RunFlow::Stop || QuitConfirmed())
                return file.StopPosition();
            CountInstalledBytes(state, installedPath);
            CreateShortcutOf(state, state.Files[file.FileIndex], installedPath);
        }
    }
    return std::nullopt;
}
