// The payload that setuppack appends to the loader: a header, the index of
// the files, the LZMA stream of the files that shrink, then the files that do
// not, stored as they are. Every number is little-endian; sizes and offsets
// are 64-bit.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class PackMethod : uint8_t { Stored = 0, Lzma = 1 };

// One file of the bundle. Offset counts in the unpacked LZMA stream for
// PackMethod::Lzma, in the stored area for PackMethod::Stored.
struct PackedFile {
    std::string Path; // relative, "\" between components
    uint64_t Size = 0;
    uint64_t Offset = 0;
    PackMethod Method = PackMethod::Stored;
    uint32_t Crc = 0; // CRC-32 of the file's bytes
};

constexpr size_t kLzmaPropsSize = 5;

struct PayloadHeader {
    uint64_t PayloadSize = 0;     // header, index and data
    uint64_t IndexSize = 0;
    uint32_t IndexCrc = 0;
    uint32_t DataCrc = 0;         // of everything after the index
    uint64_t LzmaPackedSize = 0;  // the compressed stream
    uint64_t LzmaUnpackedSize = 0;
    uint64_t StoredSize = 0;      // the stored area after the stream
    uint32_t FileCount = 0;
    uint8_t LzmaProps[kLzmaPropsSize] = {};
    // The first LeadCount files of the index are what setup.exe needs to
    // start; the loader unpacks them before it starts setup.exe and the rest
    // behind its pages. 0 (bundles written before the split): everything
    // first.
    uint32_t LeadCount = 0;
};

constexpr size_t kPayloadHeaderSize = 80;
// The loader's decoder holds the whole dictionary: this keeps it well below
// 64 MiB.
constexpr uint32_t kMaxDictionarySize = 32u << 20;
// An index larger than this is refused before it is read into memory.
constexpr uint64_t kMaxIndexSize = 16u << 20;

std::string EncodeHeader(const PayloadHeader& header);

enum class PayloadProblem {
    None,
    BadMagic,      // no payload of ours, or of another format version
    HeaderDamaged, // header checksum wrong
    Inconsistent,  // sizes that do not add up or do not fit the file
    IndexDamaged,  // index checksum wrong or index unreadable
    UnsafePath,    // a path that leads outside the extraction folder
    BadLayout,     // offsets that overlap, leave gaps or leave their area
    DataDamaged,   // checksum of the data or of a file wrong
    Truncated,     // the file ends before the payload does
};

// What a user or author reads for a problem.
const char* PayloadProblemText(PayloadProblem problem);

template <typename T>
struct Checked {
    PayloadProblem Problem = PayloadProblem::None;
    T Value{};
    explicit operator bool() const { return Problem == PayloadProblem::None; }
};

// Reads and checks the header; available is how many bytes the file holds
// from the header's first byte to the end of the room the payload may use.
Checked<PayloadHeader> DecodeHeader(const std::string& bytes, uint64_t available);

std::string EncodeIndex(const std::vector<PackedFile>& files);

// Reads and checks the index against its header: checksum, safe paths, no
// path twice, and offsets that fill each area exactly in index order.
Checked<std::vector<PackedFile>> DecodeIndex(const std::string& bytes, const PayloadHeader& header);

// CRC-32 (zlib's) of a block, continuing from crc.
uint32_t UpdateCrc(uint32_t crc, const void* data, size_t size);
