// setup.exe: the script-driven installation wizard.
#include <windows.h>

#include "app/Startup_win.h"
#include "windows/SystemLibrary_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before anything can load a library: none may come from the medium.
    RestrictLibrarySearch();
    return RunSetup(instance);
}
