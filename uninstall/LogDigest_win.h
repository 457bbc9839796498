// The log's SHA-256 through the system's CryptoAPI, and the digests in the
// application's uninstall key. The CryptoAPI calls are found at run time:
// the first Windows 95 has none, and only XP SP3 and later have SHA-256;
// without them no digest is written and none can be checked.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "uninstall/LogDigest.h"

// A SHA-256 (PROV_RSA_AES, CALG_SHA_256) fed piece by piece, as bytes are
// written; Usable() is false when the system cannot compute one.
class Sha256Stream {
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream&) = delete;
    Sha256Stream& operator=(const Sha256Stream&) = delete;

    bool Usable() const { return usable_; }
    void Add(const char* bytes, size_t count);
    // The digest of everything added; nothing when any step failed.
    std::optional<std::string> Finish();

private:
    uintptr_t provider_ = 0;
    uintptr_t hash_ = 0;
    bool usable_ = false;
};

// The SHA-256 of bytes; nothing when the system cannot compute it.
std::optional<std::string> Sha256Digest(const std::string& bytes);

// keyNames name the application's key below UninstallRootKey.
StoredLogDigests ReadLogDigests(const std::vector<std::string>& keyNames);

// Setup, once the log is closed: stores the digest of the bytes it wrote
// (computed while writing, never read back from the file, which someone
// could have changed in between) and clears a pending digest that an
// interrupted rewrite of an earlier log left.
void WriteLogDigest(const std::vector<std::string>& keyNames, const std::optional<std::string>& digest);
