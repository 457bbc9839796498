// The log's SHA-256 through the system's CryptoAPI, and the digests in the
// application's uninstall key. The CryptoAPI calls are found at run time:
// the first Windows 95 has none, and only XP SP3 and later have SHA-256;
// without them no digest is written and none can be checked.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "uninstall/LogDigest.h"

// The SHA-256 of bytes (PROV_RSA_AES, CALG_SHA_256); nothing when the system
// cannot compute it.
std::optional<std::string> Sha256Digest(const std::string& bytes);

// keyNames name the application's key below UninstallRootKey.
StoredLogDigests ReadLogDigests(const std::vector<std::string>& keyNames);

// Setup, once the log is closed: stores the digest of the file at logPath.
// Writes nothing when the file cannot be read or the digest not computed.
void WriteLogDigest(const std::vector<std::string>& keyNames, const std::string& logPath);
