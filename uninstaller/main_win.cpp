// TAUninstall.exe: removes the installation that Uninstall.log beside it
// records. Add/Remove Programs starts it from anywhere; deployment tools add
// /VERYSILENT or /SILENT and /LOG.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "rollback/Recovery_win.h"
#include "uninstaller/SelfRemoval_win.h"
#include "uninstaller/UninstallRun_win.h"
#include "windows/RunStart_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Add/Remove Programs may start it from any directory.
    RestrictLibrarySearch();
    if (__argc == 4 && std::strcmp(__argv[1], CleanupSwitch) == 0)
        return RunSelfRemoval(__argv[2], __argv[3]);
    if (const auto early = BeginRun(SwitchSet::Uninstaller, "Uninstall"))
        return *early;
    RecoverInterruptedRuns();
    const std::string program = ProgramPath();
    const UninstallResult result = RunUninstall(program);
    if (result.FinishedWork && !StartSelfRemoval(program))
        RemoveWithoutCopy(program);
    return EndRun(static_cast<int>(result.Exit));
}
