#include "install/SharedFileRecord.h"

#include "app/GlobalState.h"
#include "uninstall/SharedCount_win.h"
#include "windows/Handles.h"
#include "windows/ProcAddress.h"

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
        MessageBoxA(AsHwnd(state.CurrentPage), ("Registration of " + path + " failed, setup will continue.").c_str(),
                    "Server registration", MB_OK | MB_ICONERROR);
    state.UninstallLogStream.WriteSelfRegistration(registerServer != nullptr);
}
