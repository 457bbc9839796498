#include "windows/OwnFolderCheck_win.h"

#include <windows.h>
#include <sddl.h>

#include <vector>

#include "windows/FolderSecurity.h"
#include "windows/Handles_win.h"
#include "windows/Platform_win.h"
#include "windows/PrivateFolder_win.h"
#include "windows/ProcAddress_win.h"

namespace {

// Found at run time: Windows 95, 98, ME and NT 4 lack them.
using DescriptorToTextCall = BOOL(WINAPI*)(PSECURITY_DESCRIPTOR, DWORD, SECURITY_INFORMATION, LPSTR*, PULONG);
using SidToTextCall = BOOL(WINAPI*)(PSID, LPSTR*);

struct LocalTextTraits {
    static LPSTR Invalid() { return nullptr; }
    static void Close(LPSTR text) { LocalFree(text); }
};
using LocalText = UniqueHandle<LPSTR, LocalTextTraits>;

// The SID of the user running this program, as text; empty when unknown.
std::string CurrentUserSid() {
    const auto toText = ProcAddress<SidToTextCall>(GetModuleHandleA("advapi32.dll"), "ConvertSidToStringSidA");
    HANDLE token = nullptr;
    if (!toText || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::string();
    const KernelHandle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size ? size : 1);
    LPSTR text = nullptr;
    if (!GetTokenInformation(token, TokenUser, user.data(), size, &size) ||
        !toText(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text))
        return std::string();
    const LocalText kept(text);
    return text;
}

// The folder's owner and access list as SDDL text; empty when unreadable.
std::string SecurityText(HANDLE folder) {
    const auto toText = ProcAddress<DescriptorToTextCall>(GetModuleHandleA("advapi32.dll"),
                                                          "ConvertSecurityDescriptorToStringSecurityDescriptorA");
    const SECURITY_INFORMATION parts = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD size = 0;
    GetKernelObjectSecurity(folder, parts, nullptr, 0, &size);
    if (!toText || size == 0)
        return std::string();
    std::vector<BYTE> descriptor(size);
    LPSTR text = nullptr;
    if (!GetKernelObjectSecurity(folder, parts, descriptor.data(), size, &size) ||
        !toText(descriptor.data(), SDDL_REVISION_1, parts, &text, nullptr))
        return std::string();
    const LocalText kept(text);
    return text;
}

} // namespace

bool IsOwnPrivateFolder(const std::string& folder) {
    if (PlatformId() != VER_PLATFORM_WIN32_NT)
        return KindOfName(folder) == NameKind::Folder;
    const FileHandle opened = OpenName(folder, FILE_READ_ATTRIBUTES | READ_CONTROL);
    return opened && KindOfOpen(folder, opened.get()) == NameKind::Folder &&
           IsAdministratorsOnlySecurity(SecurityText(opened.get()), CurrentUserSid());
}

