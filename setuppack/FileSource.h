// A ByteSource over a file on the build host (std::ifstream).
#pragma once
#include <fstream>
#include <string>

#include "bundle/PayloadUnpack.h"

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    explicit operator bool() const { return static_cast<bool>(in_); }
    uint64_t Size() const override { return size_; }
    bool Read(uint64_t offset, void* buffer, size_t size) override;

private:
    std::ifstream in_;
    uint64_t size_ = 0;
};
