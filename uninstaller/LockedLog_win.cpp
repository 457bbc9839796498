#include "uninstaller/LockedLog_win.h"

#include <vector>

LogOpenResult LockedLog::Open(const std::string& path) {
    file_.reset(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file_)
        return LogOpenResult::Opened;
    openError_ = GetLastError();
    switch (openError_) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return LogOpenResult::Missing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return LogOpenResult::Busy;
    default:
        return LogOpenResult::Failed;
    }
}

bool LockedLog::ReadAll(std::string& bytes) const {
    bytes.clear();
    if (SetFilePointer(file_.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    std::vector<char> chunk(65536);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file_.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr))
            return false;
        if (read == 0)
            return true;
        bytes.append(chunk.data(), read);
    }
}

bool LockedLog::Rewrite(const std::string& bytes) const {
    if (SetFilePointer(file_.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file_.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return SetEndOfFile(file_.get()) && FlushFileBuffers(file_.get());
}
