// Where the journals of installation runs live, and the test that a folder
// named in the list of open runs is one of them. The list is a registry
// value that anyone able to write it could point anywhere; recovery removes
// what it finds in a journal folder, so a name of any other form (another
// folder, "..", a device, a long-path form) must never be taken for one.
#pragma once
#include <string>

extern const char kJournalFileName[];
extern const char kJournalFolderPrefix[];

// <windowsDirectory>\TEMP, where every journal folder is made.
std::string JournalFolderParent(const std::string& windowsDirectory);

// True only for <windowsDirectory>\TEMP\<prefix><16 hex digits>, the exact
// text the run wrote (the parent compared ignoring ASCII case): one more
// component, of our form, so no "." or ".." or other folder can pass.
bool IsJournalFolderPath(const std::string& path, const std::string& windowsDirectory);
