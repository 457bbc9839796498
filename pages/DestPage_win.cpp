#include "pages/PageProcs_win.h"

#include <cstdint>
#include <string>

#include "pages/ChoiceRules.h"
#include "pages/PageHook_win.h"
#include "resources/resource.h"
#include "script/PageNames.h"
#include "uninstall/PathRules.h"
#include "windows/Handles_win.h"
#include "windows/ProcAddress_win.h"
#include "wizard/ProcessState_win.h"
#include "windows/ShellFolders_win.h"
#include "windows/WindowText_win.h"
#include "windows/Unattended_win.h"

namespace {

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// Free bytes available to the user on the drive that the path's first three
// characters name; 0 when they name none or it cannot be read.
uint64_t QueryFreeSpace(const std::string& path) {
    if (!PathNamesDriveRoot(path))
        return 0;
    // Found at run time: the first Windows 95 has only the cluster query.
    Library kernel(LoadLibraryA("KERNEL32.DLL"));
    if (!kernel)
        return 0;
    const std::string root = DriveRootOf(path);
    const auto freeSpaceEx = ProcAddress<GetDiskFreeSpaceExFn>(kernel.get(), "GetDiskFreeSpaceExA");
    if (freeSpaceEx) {
        ULARGE_INTEGER available{}, total{}, totalFree{};
        if (!freeSpaceEx(root.c_str(), &available, &total, &totalFree))
            return 0;
        return available.QuadPart;
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 0;
    return FreeBytesFromClusters(freeClusters, sectorsPerCluster, bytesPerSector);
}

// Next: with "Ask if non-existing directory should be created" checked, a
// missing directory needs a Yes. Returns false when the user vetoes.
bool AcceptPathOnNext(HWND page) {
    const std::string path = DialogItemText(page, IDC_DEST_PATH);
    if (IsDlgButtonChecked(page, IDC_DEST_ASK_CREATE) == BST_CHECKED &&
        GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
        AskUser(nullptr, "Directory does not exist, should it be created?", "Directory does not exist",
                MB_YESNO | MB_ICONQUESTION, IDYES) != IDYES)
        return false;
    SetupState& state = TheState();
    // A folder the user chose wins over /DIR and an earlier installation's.
    if (path != state.Variables.Get("DP"))
        state.DestinationFrom = DestinationSource::DestinationPage;
    state.Variables.SetLiteral("DP", path);
    return true;
}

void PathChanged(HWND page) {
    const std::string path = DialogItemText(page, IDC_DEST_PATH);
    // A relative path would install below the current directory, the
    // installation medium.
    TheState().NextAllowed = IsFullPath(path) ? 1 : 0;
    SetDlgItemTextA(page, IDC_DEST_FREE_SPACE, FreeSpaceText(QueryFreeSpace(path)).c_str());
}

void ChooseFolder(HWND page) {
    std::string folder;
    if (!BrowseForFolder(page, nullptr, kBrowseTitle, folder))
        return;
    SetupState& state = TheState();
    const std::string dir = InstallDirFromChosenFolder(folder, state.Variables.Get("APPNAME"));
    state.Variables.SetLiteral("DP", dir);
    state.DestinationFrom = DestinationSource::DestinationPage;
    SetDlgItemTextA(page, IDC_DEST_PATH, dir.c_str());
}

} // namespace

INT_PTR CALLBACK DestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (message == WM_COMMAND && id == IDC_NEXT && !AcceptPathOnNext(page))
        return 0;
    PageHook(page, message, wParam, lParam, PageNameDest);
    if (message == WM_INITDIALOG) {
        ShowChoicePageTitle(page);
        // DP is /DIR's or the earlier installation's when they gave one.
        SetDlgItemTextA(page, IDC_DEST_PATH, TheState().Variables.Get("DP").c_str());
    } else if (message == WM_COMMAND) {
        if (id == IDC_DEST_CHOOSE)
            ChooseFolder(page);
        else if (id == IDC_DEST_PATH)
            PathChanged(page);
    }
    return 0;
}
