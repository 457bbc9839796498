#include "install/SharedFileRecord_win.h"

#include "rollback/RunJournal_win.h"
#include "run/RunLogText.h"
#include "uninstall/SharedCount_win.h"
#include "windows/Handles_win.h"
#include "windows/ProcAddress_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/SystemPaths_win.h"
#include "windows/Unattended_win.h"

namespace {

using RegisterServerFunction = HRESULT(STDAPICALLTYPE*)();

}

void RecordAndRegisterSharedFile(const std::string& directory, const std::string& name, bool existedBefore) {
    SetupState& state = TheState();
    const std::string path = directory + "\\" + name;
    const Library library = LoadInstalledLibrary(path);
    // The log holds full, normalized paths only: the uninstaller refuses others.
    state.UninstallLogStream.WriteSharedFile(FullPathOf(directory), name);
    JournalRegistryValue(HKEY_LOCAL_MACHINE, SharedDllsKey, path);
    CountSharedInstallation(path, existedBefore);
    if (!library)
        return;
    const auto registerServer = ProcAddress<RegisterServerFunction>(library.get(), "DllRegisterServer");
    if (registerServer)
        JournalLibraryRegistration(path, existedBefore);
    const HRESULT registration = registerServer ? registerServer() : S_OK;
    if (registration != S_OK) {
        LogEvent("Self-registration of " + path + " failed: DllRegisterServer returned " +
                 ResultCodeText(static_cast<uint32_t>(registration)));
        AskUser(AsHwnd(state.CurrentPage), "Registration of " + path + " failed, setup will continue.",
                "Server registration", MB_OK | MB_ICONERROR, IDOK);
    }
    state.UninstallLogStream.WriteSelfRegistration(registerServer != nullptr);
}
