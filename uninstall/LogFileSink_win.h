// The uninstall log's bytes go to a file, written as they come.
#pragma once
#include <memory>
#include <string>

#include "uninstall/UninstallLog.h"

// Creates or truncates the file; null when it cannot be created.
std::unique_ptr<ByteSink> CreateLogFileSink(const std::string& path);
