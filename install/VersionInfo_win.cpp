#include "install/VersionInfo_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "windows/SystemLibrary_win.h"

namespace {

// GetLocaleInfoA writes at most this many characters, terminator included.
constexpr int kLanguageNameCapacity = 256;

std::string EnglishLanguageName(WORD language) {
    char name[kLanguageNameCapacity] = {};
    if (GetLocaleInfoA(MAKELCID(language, SORT_DEFAULT), LOCALE_SENGLANGUAGE, name, kLanguageNameCapacity) <= 0)
        return std::string();
    return std::string(name, strnlen(name, sizeof(name)));
}

}

std::optional<FileVersionInfo> ReadVersionInfo(const std::string& path) {
    static const auto getSize =
        SystemFunction<decltype(&GetFileVersionInfoSizeA)>("version.dll", "GetFileVersionInfoSizeA");
    static const auto getInfo = SystemFunction<decltype(&GetFileVersionInfoA)>("version.dll", "GetFileVersionInfoA");
    static const auto queryValue = SystemFunction<decltype(&VerQueryValueA)>("version.dll", "VerQueryValueA");
    if (!getSize || !getInfo || !queryValue)
        return std::nullopt;
    DWORD ignored = 0;
    const DWORD size = getSize(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<unsigned char> resource(size);
    if (!getInfo(path.c_str(), 0, size, resource.data()))
        return std::nullopt;

    void* value = nullptr;
    UINT length = 0;
    // The fixed block is copied out rather than read in place: the resource
    // buffer gives no alignment guarantee for it.
    VS_FIXEDFILEINFO fixed{};
    if (!queryValue(resource.data(), "\\", &value, &length) || length < sizeof(fixed))
        return std::nullopt;
    std::memcpy(&fixed, value, sizeof(fixed));
    if (fixed.dwSignature != VS_FFI_SIGNATURE)
        return std::nullopt;

    FileVersionInfo info;
    info.FileVersionMS = fixed.dwFileVersionMS;
    info.FileVersionLS = fixed.dwFileVersionLS;

    WORD translation[2] = {};
    if (queryValue(resource.data(), "\\VarFileInfo\\Translation", &value, &length) &&
        length >= sizeof(translation)) {
        std::memcpy(translation, value, sizeof(translation));
        info.Language = translation[0];
        info.CodePage = translation[1];
        info.LanguageName = EnglishLanguageName(translation[0]);
    }
    return info;
}
