#include "uninstall/LogDigest_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>

#include "uninstall/UninstallRegistry_win.h"
#include "windows/SystemLibrary_win.h"

namespace {

constexpr DWORD kSha256Size = 32;
// PROV_RSA_AES and CALG_SHA_256, which the headers declare only for newer
// Windows versions than the ones this program targets.
constexpr DWORD kAesProviderType = 24;
constexpr ALG_ID kSha256 = ALG_CLASS_HASH | ALG_TYPE_ANY | 12;

template <typename Function>
Function CryptCall(const char* name) {
    return SystemFunction<Function>("advapi32.dll", name);
}

struct CryptCalls {
    decltype(&CryptAcquireContextA) Acquire = CryptCall<decltype(&CryptAcquireContextA)>("CryptAcquireContextA");
    decltype(&CryptReleaseContext) Release = CryptCall<decltype(&CryptReleaseContext)>("CryptReleaseContext");
    decltype(&CryptCreateHash) CreateHash = CryptCall<decltype(&CryptCreateHash)>("CryptCreateHash");
    decltype(&CryptHashData) HashData = CryptCall<decltype(&CryptHashData)>("CryptHashData");
    decltype(&CryptGetHashParam) GetHashParam = CryptCall<decltype(&CryptGetHashParam)>("CryptGetHashParam");
    decltype(&CryptDestroyHash) DestroyHash = CryptCall<decltype(&CryptDestroyHash)>("CryptDestroyHash");

    bool Complete() const { return Acquire && Release && CreateHash && HashData && GetHashParam && DestroyHash; }
};

const CryptCalls& Crypt() {
    static const CryptCalls calls;
    return calls;
}

} // namespace

Sha256Stream::Sha256Stream() {
    const CryptCalls& crypt = Crypt();
    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    if (!crypt.Complete() || !crypt.Acquire(&provider, nullptr, nullptr, kAesProviderType, CRYPT_VERIFYCONTEXT))
        return;
    provider_ = provider;
    if (!crypt.CreateHash(provider, kSha256, 0, 0, &hash))
        return;
    hash_ = hash;
    usable_ = true;
}

Sha256Stream::~Sha256Stream() {
    if (hash_)
        Crypt().DestroyHash(hash_);
    if (provider_)
        Crypt().Release(provider_, 0);
}

void Sha256Stream::Add(const char* bytes, size_t count) {
    // CryptHashData takes a 32-bit length: long pieces go in parts.
    for (size_t done = 0; usable_ && done < count;) {
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
        usable_ = Crypt().HashData(hash_, reinterpret_cast<const BYTE*>(bytes + done), piece, 0) != FALSE;
        done += piece;
    }
}

std::optional<std::string> Sha256Stream::Finish() {
    BYTE digest[kSha256Size];
    DWORD size = sizeof digest;
    if (!usable_ || !Crypt().GetHashParam(hash_, HP_HASHVAL, digest, &size, 0) || size != kSha256Size)
        return std::nullopt;
    usable_ = false; // a finished hash takes no more bytes
    return HexDigits(digest, size);
}

std::optional<std::string> Sha256Digest(const std::string& bytes) {
    Sha256Stream stream;
    stream.Add(bytes.data(), bytes.size());
    return stream.Finish();
}

StoredLogDigests ReadLogDigests(const std::vector<std::string>& keyNames) {
    return {ReadEntryText(keyNames, LogDigestValue), ReadEntryText(keyNames, PendingLogDigestValue),
            ReadEntryText(keyNames, LogDigestKeptValue).has_value()};
}

void WriteLogDigest(const std::vector<std::string>& keyNames, const std::optional<std::string>& digest) {
    if (digest)
        SetEntryText(keyNames, LogDigestValue, *digest);
    DeleteEntryValue(keyNames, PendingLogDigestValue);
}
