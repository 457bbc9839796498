#include "loader/OwnFileSource_win.h"

OwnFileSource::OwnFileSource(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
    LARGE_INTEGER size{};
    if (file_ && GetFileSizeEx(file_.get(), &size))
        size_ = static_cast<uint64_t>(size.QuadPart);
}

bool OwnFileSource::Read(uint64_t offset, void* buffer, size_t size) {
    if (offset > size_ || size > size_ - offset)
        return false;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file_.get(), position, nullptr, FILE_BEGIN))
        return false;
    auto* bytes = static_cast<char*>(buffer);
    while (size > 0) {
        DWORD read = 0;
        const DWORD piece = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
        if (!ReadFile(file_.get(), bytes, piece, &read, nullptr) || read == 0)
            return false;
        bytes += read;
        size -= read;
    }
    return true;
}
