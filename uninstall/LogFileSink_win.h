// The uninstall log's bytes go to a file, written as they come; what the
// file accepted goes into the digest too.
#pragma once
#include <memory>
#include <string>

#include "uninstall/LogDigest_win.h"
#include "uninstall/UninstallLog.h"

// Creates or truncates the file; null when it cannot be created. digest,
// when given, is fed every byte the file takes.
std::unique_ptr<ByteSink> CreateLogFileSink(const std::string& path, std::shared_ptr<Sha256Stream> digest = nullptr);
