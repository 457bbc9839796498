#include "uninstaller/SharedFileRemoval_win.h"

#include <windows.h>

#include "uninstall/SharedCount_win.h"
#include "uninstaller/FileRemoval_win.h"
#include "windows/Handles_win.h"
#include "windows/ProcAddress_win.h"
#include "windows/SystemLibrary_win.h"
#include "windows/Unattended_win.h"

const char SharedFileCaption[] = "Remove shared file?";

namespace {
using UnregisterServerFunction = HRESULT(STDAPICALLTYPE*)();

// The library is loaded for this call only.
void Unregister(const std::string& path) {
    const Library library = LoadInstalledLibrary(path);
    if (const auto unregister = ProcAddress<UnregisterServerFunction>(library.get(), "DllUnregisterServer"))
        unregister();
}

bool UserAgreesToRemove(const std::string& path) {
    const std::string text = "The system reports that no program uses the shared file\n\n" + path +
                             "\n\nany more. Other programs may still need it without having said so; keeping it "
                             "is the safe choice.\n\nDo you want to remove it?";
    // Keeping it is the safe answer, and a silent run's.
    return AskUser(nullptr, text, SharedFileCaption, MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION | MB_SETFOREGROUND,
                   IDNO) == IDYES;
}
}

bool ReleaseSharedFile(const LogRecord& record, RemovalReport& report) {
    const std::string& path = record.Path;
    const auto countUnchanged = [&]() {
        report.Note(RemovalOutcome::Failed, path, "its reference count in SharedDLLs cannot be changed");
        return false;
    };
    const SharedRelease release = ReleaseSharedCount(ReadSharedCount(path));
    switch (release.Verdict) {
    case ReleaseVerdict::Uncounted:
        report.Note(RemovalOutcome::Kept, path, "shared, without a reference count of its own");
        return true;
    case ReleaseVerdict::OthersRemain:
        if (!WriteSharedCount(path, release.Remaining))
            return countUnchanged();
        report.Note(RemovalOutcome::Kept, path, "shared, still used by other programs");
        return true;
    case ReleaseVerdict::LastUser:
        break;
    }
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return DeleteSharedCount(path) || countUnchanged();
    if (!UserAgreesToRemove(path)) {
        // A count of 0 stays, so that the next installation counts from there.
        if (!WriteSharedCount(path, 0))
            return countUnchanged();
        report.Note(RemovalOutcome::Kept, path, "shared, kept at your choice");
        return true;
    }
    if (record.Registration == SelfRegistration::Registered)
        Unregister(path);
    std::string reason;
    const RemovalOutcome outcome = RemoveInstalledFile(path, reason);
    report.Note(outcome, path, reason);
    if (outcome == RemovalOutcome::Failed)
        return false;
    return DeleteSharedCount(path) || countUnchanged();
}
