#include "windows/Unattended_win.h"

#include "run/RunLogText.h"
#include "windows/Platform_win.h"

namespace {
const char* ButtonName(int id) {
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "none";
    }
}

// The process token is elevated (Vista and later); older systems have no
// such notion and report no.
bool IsElevated() {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened))
        return false;
    const KernelHandle token(opened);
    DWORD elevated = 0; // TOKEN_ELEVATION holds one DWORD
    DWORD size = 0;
    constexpr auto kTokenElevation = static_cast<TOKEN_INFORMATION_CLASS>(20);
    return GetTokenInformation(token.get(), kTokenElevation, &elevated, sizeof(elevated), &size) && elevated != 0;
}

std::string WindowsVersionText() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version))
        return "unknown";
    return std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) + "." +
           std::to_string(version.dwBuildNumber & 0xFFFF) + " (" +
           (version.dwPlatformId == VER_PLATFORM_WIN32_NT ? "NT" : "9x") + ")";
}
} // namespace

UnattendedRun& TheRun() {
    static UnattendedRun run;
    return run;
}

void LogEvent(const std::string& event) { TheRun().Log.Write(event); }

int AskUser(HWND owner, const std::string& text, const std::string& caption, UINT type, int silentAnswer) {
    if (IsSilentRun()) {
        LogEvent("Message \"" + caption + "\": " + text + " -> " + ButtonName(silentAnswer) + " (silent answer)");
        return silentAnswer;
    }
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    LogEvent("Message \"" + caption + "\": " + text + " -> " + ButtonName(answer));
    return answer;
}

void LogRunStart(const char* program) {
    LogEvent(std::string(program) + " version " + ProgramVersionText);
    LogEvent(std::string("Command line: ") + GetCommandLineA());
    LogEvent("Windows " + WindowsVersionText() + ", elevated: " + (IsElevated() ? "yes" : "no"));
}

bool OpenRunLog() {
    UnattendedRun& run = TheRun();
    switch (EffectiveLogTarget(run.Switches)) {
    case LogTarget::None:
        return true;
    case LogTarget::DefaultName:
        run.Log.OpenNew();
        return true;
    case LogTarget::File:
        return run.Log.OpenNamed(run.Switches.LogFile);
    }
    return true;
}

void NoteFileNotInstalled(const std::string& path, const std::string& reason) {
    TheRun().End.FileNotInstalled = true;
    LogEvent("Not installed: " + path + " (" + reason + ")");
}

void NoteNoUninstallLog(const std::string& reason) {
    TheRun().End.NoUninstallLog = true;
    LogEvent("No complete uninstall log: " + reason);
}

int EndRun(int exitCode) {
    const RunEnd& end = TheRun().End;
    LogEvent(std::string("End: ") + (end.Cancelled ? "cancelled" : end.Failed ? "failed" : "completed") +
             ", restart needed: " + (end.RestartNeeded ? "yes" : "no") + ", exit code " + std::to_string(exitCode) +
             " (" + ExitCodeMeaning(exitCode) + ")");
    if (exitCode == ExitFailed && !end.Failed && end.FileNotInstalled)
        LogEvent("Failed because a file was not installed (its line above says which and why)");
    if (exitCode == ExitFailed && !end.Failed && end.NoUninstallLog)
        LogEvent("Failed because the installation has no complete uninstall log and cannot be removed");
    return exitCode;
}
