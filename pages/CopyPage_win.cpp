#include "pages/PageProcs_win.h"

#include <commctrl.h>

#include "install/CopyPlan.h"
#include "install/CopyRun_win.h"
#include "pages/PageHook_win.h"
#include "resources/resource.h"
#include "rollback/RunJournal_win.h"
#include "rollback/UndoMessage_win.h"
#include "script/PageNames.h"
#include "uninstall/LogFileSink_win.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallRegistry_win.h"
#include "windows/ProcessState_win.h"
#include "windows/QuitSetup_win.h"

namespace {

void TellLogWriteFailed() {
    MessageBoxA(nullptr,
                "Writing the uninstall log failed (the disk may be full). Setup goes on, but uninstall will not "
                "remove every file.",
                "UNEXPECTED ERROR", MB_OK);
}

void OpenUninstallLog(SetupState& state) {
    const std::string path = UninstallLogPath(state.Variables.Get("DP"));
    JournalFile(path, FileChange::WrittenInPlace);
    std::unique_ptr<ByteSink> sink = CreateLogFileSink(path);
    if (!sink) {
        MessageBoxA(nullptr, "UNINSTALL WILL NOT BE AVAILABLE, BECAUSE LOG FILE COULD NOT BE CREATED!",
                    "UNEXPECTED ERROR", MB_OK);
        return;
    }
    state.UninstallLogStream.Open(std::move(sink), TellLogWriteFailed);
    SYSTEMTIME now;
    GetLocalTime(&now);
    state.UninstallLogStream.WriteHeader(LogDate{now.wMonth, now.wDay, now.wYear});
}

void InstallEverything(HWND page) {
    SetupState& state = TheState();
    const std::string destination = state.Variables.Get("DP");
    // Every change from here on is journaled first, so that a run that
    // stops, or is killed, can be undone.
    OpenRunJournal();
    JournalNewDirectory(destination);
    CreateDirectoryA(destination.c_str(), nullptr);
    OpenUninstallLog(state);

    const uint16_t high = ProgressRangeHigh(CountSectionsForBar(state.Sections));
    SendDlgItemMessageA(page, IDC_COPY_SECTION_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, high));
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    if (RunCopy()) {
        // A stopped run is undone, as the quit confirmation promises.
        state.UninstallLogStream.Close();
        if (RunJournalOpen())
            ShowUndoMessage(UndoOccasion::StoppedRun, UndoOpenRun());
        // A quit the user confirmed keeps its own exit code.
        if (!QuitConfirmed())
            QuitSetup(QuitMode::AtOnce);
        return;
    }

    const std::string appName = state.Variables.Get("APPNAME");
    state.UninstallLogStream.WriteRegistrySection(UninstallKeyPath(appName));
    JournalRegistryKey(HKEY_LOCAL_MACHINE, UninstallKeyPath(appName));
    WriteUninstallEntry(appName, UninstallCommand(state.Variables.Get("DP")));
    state.UninstallLogStream.Close();
    CommitRunJournal();
}

} // namespace

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    PageHook(page, message, wParam, lParam, PageNameCopy);
    SetupState& state = TheState();
    // The work starts on the first paint, so that the page is on screen; the
    // nested paint of the redraw below and any later showing do nothing.
    if (message != WM_PAINT || state.CopyStarted)
        return 0;
    state.CopyStarted = 1;
    InstallEverything(page);
    EndDialog(page, 0);
    return 0;
}
