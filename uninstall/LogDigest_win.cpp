#include "uninstall/LogDigest_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <vector>

#include "uninstall/UninstallRegistry_win.h"
#include "windows/Handles_win.h"
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

struct ProviderTraits {
    static HCRYPTPROV Invalid() { return 0; }
    static void Close(HCRYPTPROV provider) { Crypt().Release(provider, 0); }
};
struct HashTraits {
    static HCRYPTHASH Invalid() { return 0; }
    static void Close(HCRYPTHASH hash) { Crypt().DestroyHash(hash); }
};
using CryptProvider = UniqueHandle<HCRYPTPROV, ProviderTraits>;
using CryptHash = UniqueHandle<HCRYPTHASH, HashTraits>;

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    std::vector<char> chunk(65536);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr))
            return std::nullopt;
        if (read == 0)
            return bytes;
        bytes.append(chunk.data(), read);
    }
}

} // namespace

std::optional<std::string> Sha256Digest(const std::string& bytes) {
    const CryptCalls& crypt = Crypt();
    if (!crypt.Complete())
        return std::nullopt;
    HCRYPTPROV acquired = 0;
    if (!crypt.Acquire(&acquired, nullptr, nullptr, kAesProviderType, CRYPT_VERIFYCONTEXT))
        return std::nullopt;
    const CryptProvider provider(acquired);
    HCRYPTHASH created = 0;
    if (!crypt.CreateHash(provider.get(), kSha256, 0, 0, &created))
        return std::nullopt;
    const CryptHash hash(created);
    // CryptHashData takes a 32-bit length: long logs go in pieces.
    for (size_t done = 0; done < bytes.size();) {
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!crypt.HashData(hash.get(), reinterpret_cast<const BYTE*>(bytes.data() + done), piece, 0))
            return std::nullopt;
        done += piece;
    }
    BYTE digest[kSha256Size];
    DWORD size = sizeof digest;
    if (!crypt.GetHashParam(hash.get(), HP_HASHVAL, digest, &size, 0) || size != kSha256Size)
        return std::nullopt;
    return HexDigits(digest, size);
}

StoredLogDigests ReadLogDigests(const std::vector<std::string>& keyNames) {
    return {ReadEntryText(keyNames, LogDigestValue), ReadEntryText(keyNames, PendingLogDigestValue)};
}

void WriteLogDigest(const std::vector<std::string>& keyNames, const std::string& logPath) {
    const std::optional<std::string> bytes = ReadWholeFile(logPath);
    if (!bytes)
        return;
    if (const std::optional<std::string> digest = Sha256Digest(*bytes))
        SetEntryText(keyNames, LogDigestValue, *digest);
}
