#include "install/InstallVersionedFile_win.h"

#include <functional>

#include "install/InstallAttempts_win.h"
#include "install/InstallPromptBoxes_win.h"
#include "install/InstallQuestions_win.h"
#include "text/PathText.h"
#include "install/RestartReplace_win.h"
#include "install/SharedFileRecord_win.h"
#include "install/ShortForms_win.h"
#include "rollback/NewFolders_win.h"
#include "rollback/RunJournal_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

const char kInUseText[] = "File is in use and setup is not able to overwrite the file.";

struct PreparedPaths {
    std::string SourceDirectory; // short form, ending in a backslash
    std::string SourceName;      // short form: the caption of every message about this file
    std::string Destination;     // the entry's destination, already resolved by the copy run
    std::string DestinationName; // long form
    int16_t Disk = 0;
};

PreparedPaths PreparePaths(const std::string& sourcePath, const FileEntry& entry) {
    // A source that cannot be reached now (its disk is not inserted) keeps
    // its name: the installer then reports it unreadable and the user is
    // asked for the disk.
    std::string shortSource = ShortFileForm(sourcePath);
    if (shortSource.empty())
        shortSource = sourcePath;
    const PathSplit source = SplitAtLastBackslash(shortSource);
    return {source.Directory + "\\", source.Name, entry.Destination, FileNamePart(entry.Destination), entry.Disk};
}

// A file that cannot even be handed to the installer (its paths are too long
// for the installer's buffers, or there is no directory to put it in) fails
// as the installer reports such a file.
RunFlow FailBeforeInstalling(const PreparedPaths& paths, InstallPrompts& prompts) {
    const InstallVerdict verdict =
        InterpretInstallResult(VIF_CANNOTCREATE, paths.SourceName, paths.Disk, TheState().InstallAll, prompts);
    return verdict == InstallVerdict::StopRun ? RunFlow::Stop : RunFlow::GoOn;
}

// Runs the request through the installer until it settles. An installed file
// gets its record; what a file in use does to the run is up to the caller.
RunFlow InstallAndRecord(const InstallFileRequest& request, const PreparedPaths& paths, InstallPrompts& prompts,
                         const std::function<RunFlow()>& whenInUse, const std::function<void()>& record) {
    switch (InstallUntilSettled(request, paths.SourceName, paths.Disk, prompts)) {
    case InstallVerdict::StopRun:
        return RunFlow::Stop;
    case InstallVerdict::Skip:
        return RunFlow::GoOn;
    case InstallVerdict::InUse:
        return whenInUse();
    default:
        record();
        return RunFlow::GoOn;
    }
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

RunFlow InstallSharedFile(const PreparedPaths& paths, InstallPrompts& prompts) {
    SetupState& state = TheState();
    const FindFileAnswer found = VersionFindFile(VFFF_ISSHAREDFILE, paths.SourceName, state.Variables.Get("WINPATH"),
                                                 state.Variables.Get("DP"));
    // Without a directory the installer would put the file beside its source.
    if ((found.Result & VFF_BUFFTOOSMALL) || found.DestinationDirectory.empty())
        return FailBeforeInstalling(paths, prompts);
    const std::string newFile = paths.SourceDirectory + paths.SourceName;
    const std::string target = found.DestinationDirectory + "\\" + paths.DestinationName;
    if (found.Result & VFF_FILEINUSE) {
        ReplaceFileAtRestart(newFile, target, paths.SourceName);
        return RunFlow::GoOn;
    }
    state.CurrentDestPath = target;
    state.CurrentSourcePath = newFile;
    const bool existedBefore = Exists(target);
    JournalFile(target, FileChange::Replaced);

    InstallFileRequest request;
    request.SourceName = paths.SourceName;
    request.DestinationName = paths.DestinationName;
    request.SourceDirectory = paths.SourceDirectory;
    request.DestinationDirectory = found.DestinationDirectory;
    request.CurrentDirectory = found.CurrentDirectory;
    JournalInstallerFolder(found.DestinationDirectory);
    const auto replaceAtRestart = [&] {
        if (ReplaceFileAtRestart(newFile, target, paths.SourceName) == RestartReplacement::NoVersionInfo)
            TellUser(kInUseText, paths.SourceName);
        return RunFlow::GoOn;
    };
    const auto record = [&] {
        RecordAndRegisterSharedFile(found.DestinationDirectory, paths.DestinationName, existedBefore);
    };
    return InstallAndRecord(request, paths, prompts, replaceAtRestart, record);
}

// The short form keeps the installer's own paths short (its temporary copy
// in this directory must stay under 128 characters). A directory that does
// not exist keeps its long form, and the installer reports it.
std::string ShortDirectoryOf(const std::string& directory) {
    const std::string shortForm = ShortDirectoryForm(directory);
    return shortForm.empty() ? directory : shortForm;
}

// The record names the file actually installed, full and normalized (a typed
// ".." must not reach the log, which the uninstaller would then refuse), in
// its 8.3 form.
void RecordNonSharedFile(const std::string& installedPath) {
    const std::string fullPath = FullPathOf(installedPath);
    std::string shortForm = ShortFileForm(fullPath);
    if (shortForm.empty())
        shortForm = fullPath;
    const PathSplit parts = SplitAtLastBackslash(shortForm);
    TheState().UninstallLogStream.WriteNonSharedFile(parts.Directory, parts.Name);
}

// The files of a section usually share their directory: once it is there,
// the next file does not ask for it again (two calls to the file system
// per file fewer).
void MakeDirectoryOnce(const std::string& directory) {
    static std::string made;
    if (directory == made)
        return;
    // Every missing level, each journaled.
    if (MakeFolderWhole(directory).Exists)
        made = directory;
}

// The existing file is never touched before the installer replaces it, so a
// skipped or failed installation leaves it as it was.
RunFlow InstallNonSharedFile(const PreparedPaths& paths, InstallPrompts& prompts) {
    SetupState& state = TheState();
    std::string target = paths.Destination;
    CollapseBackslashes(target);
    const PathSplit longForm = SplitAtLastBackslash(target);
    MakeDirectoryOnce(longForm.Directory);
    state.CurrentDestPath = target;
    if (Exists(target) && !state.OverwriteAll) {
        switch (AskOverwrite()) {
        case OverwriteAnswer::No:
            return RunFlow::GoOn;
        case OverwriteAnswer::OverwriteEveryFile:
            state.OverwriteAll = 1;
            break;
        case OverwriteAnswer::Yes:
            break;
        }
    }

    // The long name goes to the installer, so the file keeps it and its
    // shortcut, which names the long path, finds it.
    InstallFileRequest request;
    request.Flags = VIFF_FORCEINSTALL;
    request.SourceName = paths.SourceName;
    request.DestinationName = longForm.Name;
    request.SourceDirectory = paths.SourceDirectory;
    request.DestinationDirectory = ShortDirectoryOf(longForm.Directory);
    JournalFile(target, FileChange::Replaced);
    JournalInstallerFolder(longForm.Directory);
    const auto stopInUse = [&] {
        TellUser(kInUseText, paths.SourceName);
        return RunFlow::Stop;
    };
    return InstallAndRecord(request, paths, prompts, stopInUse,
                            [&] { RecordNonSharedFile(request.DestinationDirectory + "\\" + request.DestinationName); });
}

}

RunFlow InstallVersionedFile(const std::string& sourcePath, size_t position) {
    SetupState& state = TheState();
    const FileEntry& entry = state.Files[position];
    const PreparedPaths paths = PreparePaths(sourcePath, entry);
    InstallPromptBoxes prompts;
    return entry.Shared ? InstallSharedFile(paths, prompts) : InstallNonSharedFile(paths, prompts);
}
