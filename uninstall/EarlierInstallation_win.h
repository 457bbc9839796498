// Reads what the machine holds for an application's uninstall entry: the
// entry's values, its log and the digests kept for it.
#pragma once
#include <string>

#include "uninstall/EarlierInstallation.h"

EntryFindings ReadEntryFindings(const std::string& appName);

// The earlier installation of appName, judged by its log's digest.
EarlierLookup LookUpEarlierInstallation(const std::string& appName);
