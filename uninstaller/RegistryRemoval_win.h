// Removing the application's uninstall entry.
#pragma once
#include <string>
#include <vector>

// keyNames are the names below the Uninstall key, as the log gives them. The
// application's key loses "DisplayName", "UninstallString" and the log's
// digests; it goes when
// nothing else is left in it, and so do its parents below the Uninstall key
// (an application name of several levels), one at a time, never a key
// with anything in it. A key that is already gone counts as removed. Returns
// false, with the reason, when a key that is empty could not be deleted.
bool RemoveUninstallEntry(const std::vector<std::string>& keyNames, std::string& reason);
