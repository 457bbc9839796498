#include "install/SourceWait_win.h"

#include <windows.h>

#include <optional>

#include "windows/PendingUnpack_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/QuitSetup_win.h"
#include "windows/Unattended_win.h"
#include "wizard/ProcessState_win.h"

namespace {

// How often the count is read again while waiting: the loader's progress
// has no event of its own.
constexpr DWORD kPollMilliseconds = 10;

// Read once, at the first source of the run.
std::optional<PendingBlockReader>& Pending() {
    static std::optional<PendingBlockReader> pending = TakePendingBlock();
    return pending;
}

void ServeMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the loop that ends the run
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A killed loader cannot remove its folder, which is setup.exe's own: what
// is not in use goes now, setup.exe itself at the next restart. Only a
// folder of the loader's naming is touched.
void RemoveOrphanedFolder() {
    const std::string folder = TheState().Variables.Get("SP");
    const std::string name = folder.substr(folder.find_last_of('\\') + 1);
    if (name.compare(0, sizeof(kExtractionFolderPrefix) - 1, kExtractionFolderPrefix) == 0)
        RemoveFolderTree(folder, Leftovers::RemoveAtRestart);
}

} // namespace

RunFlow WaitUntilUnpacked(const std::string& sourcePath) {
    std::optional<PendingBlockReader>& pending = Pending();
    if (!pending)
        return RunFlow::GoOn;
    const std::optional<size_t> position = pending->Files.PositionOf(TheState().Variables.Get("SP"), sourcePath);
    bool told = false;
    for (;;) {
        const bool gone = pending->LoaderGone();
        switch (ReadinessOf(position, pending->Done(), pending->Phase(), gone)) {
        case SourceReadiness::Ready:
            return RunFlow::GoOn;
        case SourceReadiness::Lost:
            if (gone)
                RemoveOrphanedFolder();
            TellUser("Setup cannot read " + sourcePath +
                         ": the setup program it came from could not unpack it. Nothing will be installed.",
                     "Setup");
            TheRun().End.Failed = true;
            return RunFlow::Stop;
        case SourceReadiness::Wait:
            break;
        }
        if (!told)
            LogEvent("Waiting for " + sourcePath + " to be unpacked");
        told = true;
        const HANDLE loader = pending->Loader.get();
        MsgWaitForMultipleObjects(1, &loader, FALSE, kPollMilliseconds, QS_ALLINPUT);
        ServeMessages();
        if (QuitConfirmed())
            return RunFlow::Stop;
    }
}
