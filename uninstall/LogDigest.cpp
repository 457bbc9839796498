#include "uninstall/LogDigest.h"

const char LogDigestValue[] = "UninstallLogSHA256";
const char PendingLogDigestValue[] = "UninstallLogSHA256Pending";
const char LogDigestKeptValue[] = "UninstallLogSHA256Kept";

DigestVerdict CheckLogDigest(const std::string& logBytes, const StoredLogDigests& stored, const LogHasher& hash) {
    if (!stored.Current && !stored.Pending)
        return stored.Kept ? DigestVerdict::Missing : DigestVerdict::NoDigest;
    const std::optional<std::string> digest = hash(logBytes);
    if (!digest)
        return DigestVerdict::Uncheckable;
    return digest == stored.Current || digest == stored.Pending ? DigestVerdict::Matches : DigestVerdict::Changed;
}

std::string HexDigits(const unsigned char* bytes, size_t count) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}
