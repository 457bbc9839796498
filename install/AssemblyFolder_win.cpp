#include "install/AssemblyFolder_win.h"

#include "windows/PrivateFolder_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/SystemPaths_win.h"

std::string RunAssemblyFolder() {
    std::string& folder = TheState().AssemblyFolder;
    if (folder.empty())
        folder = MakePrivateFolder(WindowsDirectory() + "\\TEMP", "Setup-");
    return folder;
}

void RemoveRunAssemblyFolder() {
    std::string& folder = TheState().AssemblyFolder;
    if (folder.empty())
        return;
    RemoveFolderTree(folder);
    folder.clear();
}
