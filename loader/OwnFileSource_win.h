// The loader's own program file as the source of its payload. It is opened
// without write sharing, so it cannot change between the check and the
// unpacking.
#pragma once
#include <string>

#include "bundle/PayloadUnpack.h"
#include "windows/Handles_win.h"

class OwnFileSource : public ByteSource {
public:
    explicit OwnFileSource(const std::string& path);
    explicit operator bool() const { return static_cast<bool>(file_); }
    uint64_t Size() const override { return size_; }
    bool Read(uint64_t offset, void* buffer, size_t size) override;

private:
    FileHandle file_;
    uint64_t size_ = 0;
};
