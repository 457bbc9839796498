#include "install/Shortcut_win.h"

#include <objbase.h>
#include <shlobj.h>

#include "windows/ComPtr_win.h"
#include "windows/SystemLibrary_win.h"

namespace {

// The link path in wide characters for IPersistFile::Save. The conversion
// uses the ANSI code page, as every narrow path of the program does, so the
// link lands under the name the other *A calls would use for it.
HRESULT ToWideLinkPath(const std::string& linkPath, std::wstring& wide) {
    const int length = MultiByteToWideChar(CP_ACP, 0, linkPath.data(), static_cast<int>(linkPath.size()), nullptr, 0);
    if (length <= 0)
        return linkPath.empty() ? E_INVALIDARG : HRESULT_FROM_WIN32(GetLastError());
    if (length >= MAX_PATH)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    wide.assign(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, linkPath.data(), static_cast<int>(linkPath.size()), &wide[0], length);
    return S_OK;
}

}

HRESULT CreateShortcut(const std::string& targetPath, const std::string& linkPath, const std::string& description) {
    std::wstring wideLinkPath;
    HRESULT result = ToWideLinkPath(linkPath, wideLinkPath);
    if (FAILED(result))
        return result;

    static const auto createInstance = SystemFunction<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
    if (!createInstance)
        return E_NOTIMPL;
    ComPtr<IShellLinkA> link;
    result = createInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put());
    if (FAILED(result))
        return result;
    // SetPath reports S_FALSE for a target that does not exist yet; the link
    // is still wanted, so only the saving decides.
    link->SetPath(targetPath.c_str());
    link->SetDescription(description.c_str());

    // Declared after the link so that it is released first.
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.put());
    if (FAILED(result))
        return result;
    return file->Save(wideLinkPath.c_str(), TRUE);
}
