// The command set's platform: message boxes, pages, background repaint,
// directory enumeration and the uninstall entry on Win32.
#pragma once
#include "script/CommandPlatform.h"

class Win32Platform : public CommandPlatform {
public:
    void ShowSyntaxError() override;
    void ShowMessageNow(const std::string& text, const std::string& caption) override;
    void RepaintBackground() override;
    int RunPage(PageTemplate page) override;
    void EnumerateFiles(const std::string& pattern,
                        const std::function<void(const std::string& name, bool isDirectory)>& visit) override;
    EarlierLookup FindEarlierInstallation(const std::string& appName) override;
    bool AcceptDowngrade(const std::string& question) override;
    void Note(const std::string& line) override;
};

// The wrong-argument-count message, also shown when a statement cannot be fetched.
void ShowSyntaxErrorMessage();
// The message of a statement that reached the value bounds (ValueBoundMessage).
void ShowValueBoundMessage(const std::string& statementName, int line);
