// The digest of the finished Uninstall.log, kept in the application's
// uninstall key. The log lies in the installation folder, which ordinary users
// may be able to write; the key below HKEY_LOCAL_MACHINE only administrators
// can. The uninstaller acts only on a log that matches it.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// The value that holds the digest (SHA-256, 64 lowercase hexadecimal digits).
extern const char LogDigestValue[];
// The digest of a rewrite under way: set before the log is rewritten and
// made the digest after, so that an interruption at any point leaves a log
// that one of the two matches.
extern const char PendingLogDigestValue[];
// Set in every entry whose setup stores digests: such an entry without a
// digest was not finished by setup (or was tampered with) and is refused.
extern const char LogDigestKeptValue[];

// The digest of bytes as 64 lowercase hexadecimal digits; nothing when the
// system cannot compute it.
using LogHasher = std::function<std::optional<std::string>(const std::string& bytes)>;

struct StoredLogDigests {
    std::optional<std::string> Current;
    std::optional<std::string> Pending;
    bool Kept = false; // the entry says that its setup stores digests
};

enum class DigestVerdict {
    Matches,     // the log is the one setup (or the last rewrite) left
    NoDigest,    // an entry written before digests were kept: accepted as it is
    Missing,     // an entry whose setup stores digests, without one: nothing may be removed
    Changed,     // the log was changed afterwards: nothing may be removed
    Uncheckable, // a digest is stored, but this system cannot compute one
};

DigestVerdict CheckLogDigest(const std::string& logBytes, const StoredLogDigests& stored, const LogHasher& hash);

// Bytes as lowercase hexadecimal digits.
std::string HexDigits(const unsigned char* bytes, size_t count);
