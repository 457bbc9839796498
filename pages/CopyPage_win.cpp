#include "pages/PageProcs_win.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "install/CopyPlan.h"
#include "install/CopyRun_win.h"
#include "pages/PageHook_win.h"
#include "resources/resource.h"
#include "rollback/NewFolders_win.h"
#include "rollback/RunJournal_win.h"
#include "rollback/UndoMessage_win.h"
#include "script/PageNames.h"
#include "uninstall/LogCodePage.h"
#include "uninstall/LogDigest_win.h"
#include "uninstall/LogFileSink_win.h"
#include "uninstall/UninstallEntry.h"
#include "uninstall/UninstallLogReader.h"
#include "uninstall/UninstallRegistry_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/CodePages_win.h"
#include "windows/QuitSetup_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

void TellLogWriteFailed() {
    NoteNoUninstallLog("writing it failed");
    TellUser("Writing the uninstall log failed (the disk may be full). Setup goes on, but uninstall will not "
             "remove every file.",
             "UNEXPECTED ERROR");
}

// Shortcuts lie below the programs folder, files below the destination.
void ChooseLogCodePage(SetupState& state) {
    const std::vector<std::string> folders = {FullPathOf(state.Variables.Get("DP")),
                                              SpecialFolderPath(nullptr, CSIDL_PROGRAMS)};
    if (LogRecordsInUtf8(ProcessIsUtf8(), state.Script.Encoding, folders, SystemCodePages())) {
        state.LogCodePage = Utf8CodePage;
        return;
    }
    state.LogCodePage = LegacyAnsiCodePage();
    if (ProcessIsUtf8())
        state.UninstallLogStream.SetRecordCode(
            [](const std::string& name) { return Recode(name, true, false, SystemCodePages()); });
}

// The digest of the log is of the bytes setup writes, taken as they go.
void OpenUninstallLog(SetupState& state, const std::shared_ptr<Sha256Stream>& digest) {
    const std::string path = UninstallLogPath(state.Variables.Get("DP"));
    JournalFile(path, FileChange::WrittenInPlace);
    std::unique_ptr<ByteSink> sink = CreateLogFileSink(path, digest);
    if (!sink) {
        NoteNoUninstallLog(path + " cannot be created");
        TellUser("UNINSTALL WILL NOT BE AVAILABLE, BECAUSE LOG FILE COULD NOT BE CREATED!", "UNEXPECTED ERROR");
        return;
    }
    state.UninstallLogStream.Open(std::move(sink), TellLogWriteFailed);
    ChooseLogCodePage(state);
    SYSTEMTIME now;
    GetLocalTime(&now);
    state.UninstallLogStream.WriteHeader(LogDate{now.wMonth, now.wDay, now.wYear});
    // An upgrade keeps the earlier installation's records: its files that this
    // version no longer ships are removed with the application too.
    if (state.Earlier) {
        for (const LogRecord& record : state.Earlier->Log.Records)
            WriteRecord(state.UninstallLogStream, record);
        if (!IsEarlierFolder(*state.Earlier, FullPathOf(state.Variables.Get("DP"))))
            state.UninstallLogStream.WriteShortcut(UninstallLogPath(state.Earlier->Folder)); // a path and NONSHARED
        LogEvent("Uninstall log: " + std::to_string(state.Earlier->Log.Records.size()) +
                 " records of the earlier installation kept");
    }
}

void WriteEntry(SetupState& state, const std::string& appName, bool keepsDigest) {
    // The full form: a typed "C:\Apps\..\Games" is registered as C:\Games.
    const std::string destination = FullPathOf(state.Variables.Get("DP"));
    SYSTEMTIME now;
    GetLocalTime(&now);
    UninstallEntryDetails details = ComposeEntryDetails(
        destination, state.Variables.Get("DEVELOPERNAME"), state.InstalledBytes, LogDate{now.wMonth, now.wDay, now.wYear});
    details.DisplayVersion = state.AppVersion;
    details.LogCodePage = state.LogCodePage;
    const std::string command = UninstallCommand(destination);
    WriteUninstallEntry(appName, command, details);
    // Before the digest: an entry that says so and has none is refused.
    if (keepsDigest)
        SetEntryText(UninstallKeyNames(appName), LogDigestKeptValue, "1");
    LogEvent("Uninstall entry: " + UninstallKeyPath(appName) + ", UninstallString " + command +
             ", QuietUninstallString " + details.QuietUninstallString + ", EstimatedSize " +
             std::to_string(details.EstimatedSizeKb) + " KB, log code page " + std::to_string(details.LogCodePage) +
             (details.DisplayVersion.empty() ? std::string() : ", DisplayVersion " + details.DisplayVersion));
}

void InstallEverything(HWND page) {
    SetupState& state = TheState();
    const std::string destination = state.Variables.Get("DP");
    // Every change from here on is journaled first, so that a run that
    // stops, or is killed, can be undone.
    OpenRunJournal();
    // Every missing level: "C:\Apps\Maker\Product" where C:\Apps is new.
    if (!MakeFolderWhole(destination).Exists)
        LogEvent("The destination folder " + destination + " cannot be made");
    const auto digest = std::make_shared<Sha256Stream>();
    OpenUninstallLog(state, digest);

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
    WriteEntry(state, appName, digest->Usable());
    state.UninstallLogStream.Close();
    // The uninstaller acts only on the log setup wrote.
    WriteLogDigest(UninstallKeyNames(appName), digest->Finish());
    CommitRunJournal();
}

// The page's template as a copy without WS_VISIBLE (a DIALOG template starts
// with its style); empty when the resource cannot be read.
std::vector<DWORD> HiddenCopyTemplate() {
    const HINSTANCE instance = TheInstance();
    const HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(static_cast<int>(PageTemplate::Copy)), RT_DIALOG);
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    constexpr DWORD kLargestTemplate = 0x10000; // a dialog template is a few hundred bytes
    if (!bytes || size < sizeof(DLGTEMPLATE) || size > kLargestTemplate)
        return {};
    std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(copy.data(), bytes, size);
    reinterpret_cast<DLGTEMPLATE*>(copy.data())->style &= ~WS_VISIBLE;
    return copy;
}

} // namespace

int RunHiddenCopyPage() {
    const std::vector<DWORD> hidden = HiddenCopyTemplate();
    HWND page = hidden.empty() ? nullptr
                               : CreateDialogIndirectParamA(TheInstance(),
                                                            reinterpret_cast<const DLGTEMPLATE*>(hidden.data()),
                                                            AsHwnd(TheState().MainWindow), CopyPageProc, 0);
    if (!page) {
        TellUser("The copy page cannot be created. Setup cannot be continued.", "Fatal error");
        TheRun().End.Failed = true;
        return -1;
    }
    // A hidden window gets no paint: the work starts here instead.
    TheState().CopyStarted = 1;
    InstallEverything(page);
    DestroyWindow(page);
    return 0;
}

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
