#include "install/InstallAttempts_win.h"

#include "run/RunLogText.h"
#include "wizard/ProcessState_win.h"
#include "windows/Unattended_win.h"

namespace {

// Both the copy of this answer and one carried over from an earlier answer
// for a forced call (gone when that call used it).
void DiscardCopies(const InstallFileRequest& request, const InstallFileAnswer& answer) {
    DiscardTemporaryCopy(request, answer);
    if (!request.TemporaryName.empty() && request.TemporaryName != answer.TemporaryName)
        DiscardTemporaryCopy(request, InstallFileAnswer{VIF_TEMPFILE, request.TemporaryName});
}

}

InstallVerdict InstallUntilSettled(InstallFileRequest request, const std::string& caption, int16_t disk,
                                   InstallPrompts& prompts) {
    for (;;) {
        const InstallFileAnswer answer = VersionInstallFile(request);
        const InstallVerdict verdict =
            InterpretInstallResult(answer.Result, caption, disk, TheState().InstallAll, prompts);
        LogEvent("File " + request.SourceDirectory + request.SourceName + " -> " + request.DestinationDirectory +
                 "\\" + request.DestinationName + ": " + VerInstallBitNames(answer.Result) + ", " +
                 InstallVerdictText(verdict));
        switch (verdict) {
        case InstallVerdict::Installed:
            return verdict;
        case InstallVerdict::Retry:
            // The next call makes a copy of its own; one this call left
            // would stay behind.
            if (answer.TemporaryName != request.TemporaryName)
                DiscardTemporaryCopy(request, answer);
            break;
        case InstallVerdict::Force:
            // A forced call makes no comparison; one that still reports a
            // conflict has not installed the file, and asking again would
            // not change that.
            if (request.Flags & VIFF_FORCEINSTALL) {
                NoteFileNotInstalled(request.DestinationDirectory + "\\" + request.DestinationName,
                                     "the forced installation still reports " + VerInstallBitNames(answer.Result));
                DiscardCopies(request, answer);
                return InstallVerdict::Skip;
            }
            request.Flags |= VIFF_FORCEINSTALL;
            // The refused call's copy is installed as it is.
            if (answer.Result & VIF_TEMPFILE)
                request.TemporaryName = answer.TemporaryName;
            break;
        default:
            DiscardCopies(request, answer);
            return verdict;
        }
    }
}
