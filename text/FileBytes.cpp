#include "text/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;
}

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    errno = 0;
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Unreadable;
    char chunk[16384];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, count);
    if (std::ferror(file.get())) {
        bytes.clear();
        return FileReadResult::Unreadable;
    }
    return FileReadResult::Read;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // Closing flushes the C library's buffer, so its failure is a write failure.
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
