#include "install/AssemblyFolder_win.h"

#include <windows.h>
#include <wincrypt.h>

#include "windows/ProcessState_win.h"
#include "install/CopyPlan.h"
#include "windows/FindFiles_win.h"
#include "windows/ProcAddress_win.h"
#include "windows/SystemPaths_win.h"

namespace {

constexpr int kNameAttempts = 16;

using AcquireContextCall = BOOL(WINAPI*)(ULONG_PTR*, LPCSTR, LPCSTR, DWORD, DWORD);
using GenRandomCall = BOOL(WINAPI*)(ULONG_PTR, DWORD, BYTE*);
using ReleaseContextCall = BOOL(WINAPI*)(ULONG_PTR, DWORD);

// 64 bits from the system's random generator. The calls are found at run
// time: the first Windows 95 lacks them. Without them, the clocks and the
// process id still make a name that no earlier run left.
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

} // namespace

std::string RunAssemblyFolder() {
    std::string& folder = TheState().AssemblyFolder;
    // CreateDirectoryA fails for a name that exists: a folder is only used
    // when this run made it.
    for (int attempt = 0; folder.empty() && attempt < kNameAttempts; ++attempt) {
        const std::string candidate = AssemblyFolderPath(WindowsDirectory(), RandomBits());
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            folder = candidate;
    }
    return folder;
}

void RemoveRunAssemblyFolder() {
    std::string& folder = TheState().AssemblyFolder;
    if (folder.empty())
        return;
    ForEachMatchingFile(folder + "\\*", [&folder](const std::string& name, bool isDirectory) {
        if (!isDirectory)
            DeleteFileA((folder + "\\" + name).c_str());
    });
    RemoveDirectoryA(folder.c_str());
    folder.clear();
}
