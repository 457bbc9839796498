#include "uninstall/LogFileSink_win.h"

#include <windows.h>

#include "windows/Handles_win.h"

namespace {

class LogFileSink : public ByteSink {
public:
    LogFileSink(FileHandle file, std::shared_ptr<Sha256Stream> digest)
        : file_(std::move(file)), digest_(std::move(digest)) {}

    bool Write(const char* bytes, size_t count) override {
        while (count > 0) {
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes, static_cast<DWORD>(count), &written, nullptr) || written == 0)
                return false;
            if (digest_)
                digest_->Add(bytes, written);
            bytes += written;
            count -= written;
        }
        return true;
    }

private:
    FileHandle file_;
    std::shared_ptr<Sha256Stream> digest_;
};

} // namespace

std::unique_ptr<ByteSink> CreateLogFileSink(const std::string& path, std::shared_ptr<Sha256Stream> digest) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return nullptr;
    return std::make_unique<LogFileSink>(std::move(file), std::move(digest));
}
