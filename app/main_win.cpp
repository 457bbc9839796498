// setup.exe: the script-driven installation wizard.
#include <windows.h>

#include "app/Startup_win.h"
#include "rollback/RunJournal_win.h"
#include "windows/SystemLibrary_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before anything can load a library: none may come from the medium.
    RestrictLibrarySearch();
    // What setup.exe uses and what those libraries load by name in turn.
    KeepSystemLibraries({"version.dll", "setupapi.dll", "comctl32.dll", "shell32.dll", "ole32.dll", "oleaut32.dll",
                         "uxtheme.dll", "msimg32.dll", "usp10.dll"});
    const int exitCode = RunSetup(instance);
    FinishCommittedRemoval();
    return exitCode;
}
