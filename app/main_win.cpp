// setup.exe: the script-driven installation wizard.
#include <windows.h>

#include "app/Startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunSetup(instance);
}
