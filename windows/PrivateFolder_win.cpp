#include "windows/PrivateFolder_win.h"

#include <windows.h>
#include <wincrypt.h>
#include <sddl.h>

#include <vector>

#include "windows/Handles_win.h"
#include "windows/Platform_win.h"
#include "windows/PrivateFolderName.h"
#include "windows/ProcAddress_win.h"

namespace {

constexpr int kNameAttempts = 16;

using AcquireContextCall = BOOL(WINAPI*)(ULONG_PTR*, LPCSTR, LPCSTR, DWORD, DWORD);
using GenRandomCall = BOOL(WINAPI*)(ULONG_PTR, DWORD, BYTE*);
using ReleaseContextCall = BOOL(WINAPI*)(ULONG_PTR, DWORD);
using ConvertDescriptorCall = BOOL(WINAPI*)(LPCSTR, DWORD, PSECURITY_DESCRIPTOR*, PULONG);

// Full control for the built-in Administrators and for the system, inherited
// by everything made inside; "P" keeps the parent's entries out.
const char kAdministratorsOnly[] = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";


bool IsNT() {
    return PlatformId() == VER_PLATFORM_WIN32_NT;
}

// The security descriptor of kAdministratorsOnly, freed with LocalFree.
struct LocalMemoryTraits {
    static PSECURITY_DESCRIPTOR Invalid() { return nullptr; }
    static void Close(PSECURITY_DESCRIPTOR memory) { LocalFree(memory); }
};
using SecurityDescriptor = UniqueHandle<PSECURITY_DESCRIPTOR, LocalMemoryTraits>;

SecurityDescriptor AdministratorsOnlyDescriptor() {
    const auto convert = ProcAddress<ConvertDescriptorCall>(GetModuleHandleA("advapi32.dll"),
                                                            "ConvertStringSecurityDescriptorToSecurityDescriptorA");
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!convert || !convert(kAdministratorsOnly, SDDL_REVISION_1, &descriptor, nullptr))
        return SecurityDescriptor();
    return SecurityDescriptor(descriptor);
}

} // namespace

uint64_t RandomBits() {
    uint64_t bits = 0;
    const HMODULE advapi = GetModuleHandleA("advapi32.dll");
    const auto acquire = ProcAddress<AcquireContextCall>(advapi, "CryptAcquireContextA");
    const auto generate = ProcAddress<GenRandomCall>(advapi, "CryptGenRandom");
    const auto release = ProcAddress<ReleaseContextCall>(advapi, "CryptReleaseContext");
    ULONG_PTR provider = 0;
    if (acquire && generate && release &&
        acquire(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
        generate(provider, sizeof(bits), reinterpret_cast<BYTE*>(&bits));
        release(provider, 0);
    }
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return bits ^ static_cast<uint64_t>(counter.QuadPart) ^
           (static_cast<uint64_t>(GetCurrentProcessId()) << 32) ^ GetTickCount();
}

std::string MakePrivateFolder(const std::string& parent, const std::string& prefix) {
    // Windows 9x has no access lists; on NT a folder without one is not made.
    SecurityDescriptor descriptor;
    if (IsNT()) {
        descriptor = AdministratorsOnlyDescriptor();
        if (!descriptor)
            return std::string();
    }
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor.get(), FALSE};
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = parent + "\\" + PrivateFolderName(prefix, RandomBits());
        if (CreateDirectoryA(candidate.c_str(), descriptor ? &attributes : nullptr))
            return candidate;
    }
    return std::string();
}

FileHandle OpenName(const std::string& path, DWORD access) {
    return FileHandle(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

NameKind KindOfOpen(const std::string& path, HANDLE opened) {
    const DWORD byName = GetFileAttributesA(path.c_str());
    if (byName == INVALID_FILE_ATTRIBUTES)
        return NameKind::Missing;
    DWORD attributes = byName;
    BY_HANDLE_FILE_INFORMATION information{};
    if (opened != INVALID_HANDLE_VALUE && GetFileInformationByHandle(opened, &information))
        attributes |= information.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return NameKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? NameKind::Folder : NameKind::File;
}

namespace {

// A delayed move to nowhere deletes at the next restart (NT only).
void RemoveOrAtRestart(BOOL removed, const std::string& path, Leftovers leftovers) {
    if (!removed && leftovers == Leftovers::RemoveAtRestart)
        MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

} // namespace

NameKind KindOfName(const std::string& path) {
    const FileHandle opened = IsNT() ? OpenName(path, FILE_READ_ATTRIBUTES) : FileHandle();
    return KindOfOpen(path, opened.get());
}

void RemoveFolderTree(const std::string& folder, Leftovers leftovers) {
    {
        // Held open while its contents go, so the name stays this folder.
        const FileHandle opened = IsNT() ? OpenName(folder, FILE_READ_ATTRIBUTES) : FileHandle();
        switch (KindOfOpen(folder, opened.get())) {
        case NameKind::Missing:
            return;
        case NameKind::File:
            SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
            RemoveOrAtRestart(DeleteFileA(folder.c_str()), folder, leftovers);
            return;
        case NameKind::Link:
            // The link goes; what it points to is never touched.
            RemoveOrAtRestart(RemoveDirectoryA(folder.c_str()) || DeleteFileA(folder.c_str()), folder, leftovers);
            return;
        case NameKind::Folder:
            break;
        }
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        const FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name != "." && name != "..")
                    names.push_back(name);
            } while (FindNextFileA(search.get(), &found));
        }
        // Each name is looked at again when its turn comes: the listing
        // only says what to look at, never what it is.
        for (const std::string& name : names)
            RemoveFolderTree(folder + "\\" + name, leftovers);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveOrAtRestart(RemoveDirectoryA(folder.c_str()), folder, leftovers);
}
