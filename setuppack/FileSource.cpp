#include "setuppack/FileSource.h"

FileSource::FileSource(const std::string& path) : in_(path, std::ios::binary | std::ios::ate) {
    if (in_)
        size_ = static_cast<uint64_t>(in_.tellg());
}

bool FileSource::Read(uint64_t offset, void* buffer, size_t size) {
    if (offset > size_ || size > size_ - offset)
        return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    return in_ && static_cast<size_t>(in_.gcount()) == size;
}
