#include "loader/OwnFileSource_win.h"

OwnFileSource::OwnFileSource(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
    // GetFileSize and SetFilePointer, not their Ex forms: Windows 95 to ME
    // lack those.
    DWORD high = 0;
    const DWORD low = file_ ? GetFileSize(file_.get(), &high) : INVALID_FILE_SIZE;
    if (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR)
        size_ = (static_cast<uint64_t>(high) << 32) | low;
}

bool OwnFileSource::Read(uint64_t offset, void* buffer, size_t size) {
    if (offset > size_ || size > size_ - offset)
        return false;
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(file_.get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
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
