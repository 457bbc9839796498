#include "windows/SystemPaths_win.h"

#include <windows.h>

#include <vector>

namespace {
// Calls a "fill this buffer" API, growing the buffer when it reports a
// larger size, so no path is ever cut.
template <typename Fill>
std::string ReadPath(Fill fill) {
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const UINT length = fill(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}
}

std::string WindowsDirectory() {
    return ReadPath([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string SystemDirectory() {
    return ReadPath([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

std::string CurrentDirectory() {
    return ReadPath([](char* buffer, UINT size) { return static_cast<UINT>(GetCurrentDirectoryA(size, buffer)); });
}

std::string TempDirectory() {
    return ReadPath([](char* buffer, UINT size) { return static_cast<UINT>(GetTempPathA(size, buffer)); });
}

// GetModuleFileNameA cuts the path to the buffer without telling its length.
std::string ProgramPath() {
    for (std::vector<char> buffer(MAX_PATH + 1);; buffer.resize(buffer.size() * 2)) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size() - 1)
            return std::string(buffer.data(), length);
    }
}

std::string WininitIniPath() {
    return WindowsDirectory() + "\\Wininit.ini";
}

std::string ShortPathOf(const std::string& path) {
    return ReadPath([&path](char* buffer, UINT size) { return static_cast<UINT>(GetShortPathNameA(path.c_str(), buffer, size)); });
}

std::string FullPathOf(const std::string& path) {
    const std::string full = ReadPath([&path](char* buffer, UINT size) {
        return static_cast<UINT>(GetFullPathNameA(path.c_str(), size, buffer, nullptr));
    });
    return full.empty() ? path : full;
}
