#include "windows/RunLog_win.h"

#include <windows.h>

#include "run/RunLogText.h"
#include "windows/SystemPaths_win.h"

namespace {
constexpr int kLastNumber = 99999;

LogTime Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

FileHandle CreateLog(const std::string& path, DWORD disposition) {
    return FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}
} // namespace

bool RunLogFile::OpenNamed(const std::string& path) {
    file_ = CreateLog(path, CREATE_ALWAYS);
    path_ = path;
    return IsOpen();
}

bool RunLogFile::OpenNew() {
    const std::string folder = TempDirectory();
    const LogTime today = Now();
    for (int number = 1; number <= kLastNumber; ++number) {
        const std::string path = folder + DefaultRunLogName(today, number);
        file_ = CreateLog(path, CREATE_NEW);
        if (IsOpen()) {
            path_ = path;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

void RunLogFile::Write(const std::string& event) {
    if (!IsOpen())
        return;
    const std::string line = RunLogLine(Now(), event);
    DWORD written = 0;
    if (!WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size() || !FlushFileBuffers(file_.get()))
        file_.reset();
}
