// What the command set needs of the platform. The Win32 layer implements
// it with message boxes, dialogs and FindFirstFileA; tests supply their own.
#pragma once
#include <functional>
#include <string>

#include "script/PageNames.h"
#include "uninstall/EarlierInstallation.h"

class CommandPlatform {
public:
    virtual ~CommandPlatform() = default;

    // The wrong-argument-count message.
    virtual void ShowSyntaxError() = 0;
    // A ShowMessage with "NOW": text and caption, OK, no owner, no icon.
    virtual void ShowMessageNow(const std::string& text, const std::string& caption) = 0;
    // Invalidates the background window and paints it at once.
    virtual void RepaintBackground() = 0;
    // Runs a page as a modal dialog and returns the dialog result.
    virtual int RunPage(PageTemplate page) = 0;
    // Calls visit for each directory entry matching the wildcard pattern, in
    // the order the file system returns them.
    virtual void EnumerateFiles(const std::string& pattern,
                                const std::function<void(const std::string& name, bool isDirectory)>& visit) = 0;
    // The application's earlier installation, by its uninstall entry.
    virtual EarlierLookup FindEarlierInstallation(const std::string& appName) = 0;
    // Whether to install an older version over a newer one: the question
    // asked (No the default), or in a silent run what the command line allows.
    virtual bool AcceptDowngrade(const std::string& question) = 0;
    // One line for the run log.
    virtual void Note(const std::string& line) = 0;
};
