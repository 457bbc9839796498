// What the bundle tests and the bundle fuzz target share: a minimal PE
// image (headers and one section of raw data, no overlay; optionally a
// certificate table entry), and a payload source and sink in memory.
#pragma once
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bundle/PayloadUnpack.h"

namespace test_pe {

inline void Put(std::string& bytes, size_t at, uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

constexpr size_t kPeOffset = 0x80;
constexpr size_t kOptionalOffset = kPeOffset + 24;
constexpr size_t kImageSize = 0x400; // headers to 0x200, one section 0x200..0x400

// machine 0x14C (i386, PE32) or 0x8664 (amd64, PE32+).
inline std::string Image(uint16_t machine = 0x8664) {
    std::string bytes(kImageSize, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put(bytes, 0x3C, kPeOffset, 4);
    bytes.replace(kPeOffset, 4, std::string("PE\0\0", 4));
    const bool plus = machine == 0x8664;
    const size_t optionalSize = plus ? 240 : 224;
    Put(bytes, kPeOffset + 4, machine, 2);
    Put(bytes, kPeOffset + 6, 1, 2); // sections
    Put(bytes, kPeOffset + 20, optionalSize, 2);
    Put(bytes, kOptionalOffset, plus ? 0x20B : 0x10B, 2);
    Put(bytes, kOptionalOffset + (plus ? 108 : 92), 16, 4); // data directories
    const size_t section = kOptionalOffset + optionalSize;
    bytes.replace(section, 5, ".text");
    Put(bytes, section + 16, 0x200, 4); // raw size
    Put(bytes, section + 20, 0x200, 4); // raw offset
    return bytes;
}

// Points the certificate directory of an image made by Image() at a table.
inline void SetCertificate(std::string& bytes, uint64_t offset, uint64_t size, uint16_t machine = 0x8664) {
    const size_t directories = kOptionalOffset + (machine == 0x8664 ? 112 : 96);
    Put(bytes, directories + 8 * 4, offset, 4);
    Put(bytes, directories + 8 * 4 + 4, size, 4);
}

} // namespace test_pe

class MemorySource : public ByteSource {
public:
    explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
    uint64_t Size() const override { return bytes_.size(); }
    bool Read(uint64_t offset, void* buffer, size_t size) override {
        if (offset > bytes_.size() || size > bytes_.size() - offset)
            return false;
        std::memcpy(buffer, bytes_.data() + offset, size);
        return true;
    }

private:
    const std::string& bytes_;
};

// The unpacked files by path; Begin refuses a path it has seen.
class MemorySink : public UnpackSink {
public:
    bool Begin(const PackedFile& file) override {
        current_ = file.Path;
        Order.push_back(file.Path);
        return Files.emplace(file.Path, std::string()).second;
    }
    bool Write(const void* data, size_t size) override {
        Files[current_].append(static_cast<const char*>(data), size);
        return true;
    }
    bool End() override { return true; }

    std::map<std::string, std::string> Files;
    std::vector<std::string> Order; // of Begin

private:
    std::string current_;
};
