#include "app/RestartNotice_win.h"

#include <windows.h>

#include "rollback/RunJournal_win.h"
#include "windows/Handles_win.h"
#include "windows/Platform_win.h"
#include "windows/SystemErrorText_win.h"
#include "windows/Unattended_win.h"

namespace {

// NT lets a process restart Windows only with the shutdown privilege
// enabled in its token.
void EnableShutdownPrivilege() {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
        return;
    const KernelHandle token(opened);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

} // namespace

void OfferRestart(const std::string& appName) {
    if (IsSilentRun() || !TheRun().End.RestartNeeded)
        return;
    const std::string question =
        "To finish the installation of " + appName + ", Windows must be restarted. Restart now?";
    if (AskUser(nullptr, question, "Setup", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO) != IDYES)
        return;
    if (PlatformId() == VER_PLATFORM_WIN32_NT)
        EnableShutdownPrivilege();
    FinishCommittedRemoval(); // not cut short by the restart
    // Planned, for an application's installation.
    constexpr DWORD kReason = 0x80000000 | 0x00040000 | 0x00000002;
    if (ExitWindowsEx(EWX_REBOOT, kReason)) {
        LogEvent("Windows is restarting");
        return;
    }
    TellUser("Windows cannot be restarted: " + SystemErrorText(GetLastError()) + "\nPlease restart it yourself.",
             "Setup");
}
