#include "install/SharedFileRecord_win.h"

#include "uninstall/SharedCount_win.h"
#include "windows/Handles_win.h"
#include "windows/ProcAddress_win.h"
#include "windows/ProcessState_win.h"
#include "windows/Unattended_win.h"

namespace {

using RegisterServerFunction = HRESULT(STDAPICALLTYPE*)();

// A data file or a library whose imports are missing must fail to load
// quietly, without the system's own error box.
Library LoadQuietly(const std::string& path) {
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Library library(LoadLibraryA(path.c_str()));
    SetErrorMode(previousMode);
    return library;
}

}

void RecordAndRegisterSharedFile(const std::string& directory, const std::string& name, bool existedBefore) {
    SetupState& state = TheState();
    const std::string path = directory + "\\" + name;
    const Library library = LoadQuietly(path);
    state.UninstallLogStream.WriteSharedFile(directory, name);
    CountSharedInstallation(path, existedBefore);
    if (!library)
        return;
    const auto registerServer = ProcAddress<RegisterServerFunction>(library.get(), "DllRegisterServer");
    if (registerServer && registerServer() != S_OK)
        AskUser(AsHwnd(state.CurrentPage), "Registration of " + path + " failed, setup will continue.",
                "Server registration", MB_OK | MB_ICONERROR, IDOK);
    state.UninstallLogStream.WriteSelfRegistration(registerServer != nullptr);
}
