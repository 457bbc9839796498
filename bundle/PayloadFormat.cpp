#include "bundle/PayloadFormat.h"

#include <zlib.h>

#include <algorithm>
#include <set>

#include "bundle/EntryPath.h"

namespace {

const char kMagic[8] = {'T', 'A', 'R', 'V', 'P', 'A', 'K', '1'};
// Where the lead count lies, in bytes that earlier bundles left zero.
constexpr size_t kLeadCountOffset = 68;

void PutLe(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Reads little-endian fields; any read past the end marks it failed.
class LeReader {
public:
    explicit LeReader(const std::string& bytes) : bytes_(bytes) {}
    uint64_t Get(int size) {
        if (bytes_.size() - pos_ < static_cast<size_t>(size)) {
            failed_ = true;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += size;
        return value;
    }
    std::string Text(size_t size) {
        if (bytes_.size() - pos_ < size) {
            failed_ = true;
            return std::string();
        }
        pos_ += size;
        return bytes_.substr(pos_ - size, size);
    }
    bool Failed() const { return failed_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    const std::string& bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// Sums the parts; false when the sum does not fit in 64 bits.
bool AddsUp(std::initializer_list<uint64_t> parts, uint64_t& sum) {
    sum = 0;
    for (const uint64_t part : parts) {
        if (part > UINT64_MAX - sum)
            return false;
        sum += part;
    }
    return true;
}

template <typename T>
Checked<T> Refuse(PayloadProblem problem) {
    Checked<T> result;
    result.Problem = problem;
    return result;
}

} // namespace

uint32_t UpdateCrc(uint32_t crc, const void* data, size_t size) {
    const auto* bytes = static_cast<const Bytef*>(data);
    while (size > 0) {
        const uInt piece = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
        crc = static_cast<uint32_t>(crc32(crc, bytes, piece));
        bytes += piece;
        size -= piece;
    }
    return crc;
}

const char* PayloadProblemText(PayloadProblem problem) {
    switch (problem) {
    case PayloadProblem::None: return "no problem";
    case PayloadProblem::BadMagic: return "it carries no setup files";
    case PayloadProblem::HeaderDamaged: return "the header of its setup files is damaged";
    case PayloadProblem::Inconsistent: return "the sizes of its setup files do not add up";
    case PayloadProblem::IndexDamaged: return "the list of its setup files is damaged";
    case PayloadProblem::UnsafePath: return "the list of its setup files names a place outside its folder";
    case PayloadProblem::BadLayout: return "the list of its setup files places them wrongly";
    case PayloadProblem::DataDamaged: return "its setup files are damaged";
    case PayloadProblem::Truncated: return "it is incomplete (the download may have been cut short)";
    }
    return "unknown problem";
}

std::string EncodeHeader(const PayloadHeader& header) {
    std::string out(kMagic, sizeof(kMagic));
    PutLe(out, header.PayloadSize, 8);
    PutLe(out, header.IndexSize, 8);
    PutLe(out, header.IndexCrc, 4);
    PutLe(out, header.DataCrc, 4);
    PutLe(out, header.LzmaPackedSize, 8);
    PutLe(out, header.LzmaUnpackedSize, 8);
    PutLe(out, header.StoredSize, 8);
    PutLe(out, header.FileCount, 4);
    out.append(reinterpret_cast<const char*>(header.LzmaProps), kLzmaPropsSize);
    out.resize(kLeadCountOffset, '\0');
    PutLe(out, header.LeadCount, 4);
    out.resize(kPayloadHeaderSize - 4, '\0');
    PutLe(out, UpdateCrc(0, out.data(), out.size()), 4);
    return out;
}

Checked<PayloadHeader> DecodeHeader(const std::string& bytes, uint64_t available) {
    if (bytes.size() < kPayloadHeaderSize)
        return Refuse<PayloadHeader>(bytes.size() < sizeof(kMagic) ? PayloadProblem::BadMagic : PayloadProblem::Truncated);
    if (bytes.compare(0, sizeof(kMagic), kMagic, sizeof(kMagic)) != 0)
        return Refuse<PayloadHeader>(PayloadProblem::BadMagic);
    LeReader reader(bytes);
    reader.Text(sizeof(kMagic));
    Checked<PayloadHeader> result;
    PayloadHeader& h = result.Value;
    h.PayloadSize = reader.Get(8);
    h.IndexSize = reader.Get(8);
    h.IndexCrc = static_cast<uint32_t>(reader.Get(4));
    h.DataCrc = static_cast<uint32_t>(reader.Get(4));
    h.LzmaPackedSize = reader.Get(8);
    h.LzmaUnpackedSize = reader.Get(8);
    h.StoredSize = reader.Get(8);
    h.FileCount = static_cast<uint32_t>(reader.Get(4));
    for (uint8_t& prop : h.LzmaProps)
        prop = static_cast<uint8_t>(reader.Get(1));
    reader.Text(kLeadCountOffset - (8 + 8 + 8 + 4 + 4 + 8 + 8 + 8 + 4 + kLzmaPropsSize));
    h.LeadCount = static_cast<uint32_t>(reader.Get(4));
    reader.Text(kPayloadHeaderSize - 4 - kLeadCountOffset - 4);
    if (reader.Get(4) != UpdateCrc(0, bytes.data(), kPayloadHeaderSize - 4))
        return Refuse<PayloadHeader>(PayloadProblem::HeaderDamaged);
    uint64_t sum = 0;
    if (!AddsUp({kPayloadHeaderSize, h.IndexSize, h.LzmaPackedSize, h.StoredSize}, sum) || sum != h.PayloadSize ||
        h.IndexSize > kMaxIndexSize || (h.LzmaPackedSize == 0) != (h.LzmaUnpackedSize == 0) ||
        h.LeadCount > h.FileCount)
        return Refuse<PayloadHeader>(PayloadProblem::Inconsistent);
    uint32_t dictionary = 0;
    for (size_t i = 1; i < kLzmaPropsSize; ++i)
        dictionary |= static_cast<uint32_t>(h.LzmaProps[i]) << (8 * (i - 1));
    if (h.LzmaProps[0] >= 9 * 5 * 5 || dictionary > kMaxDictionarySize)
        return Refuse<PayloadHeader>(PayloadProblem::Inconsistent);
    if (h.PayloadSize > available)
        return Refuse<PayloadHeader>(PayloadProblem::Truncated);
    return result;
}

std::string EncodeIndex(const std::vector<PackedFile>& files) {
    std::string out;
    for (const PackedFile& file : files) {
        PutLe(out, file.Path.size(), 2);
        out += file.Path;
        PutLe(out, file.Size, 8);
        PutLe(out, file.Offset, 8);
        PutLe(out, static_cast<uint8_t>(file.Method), 1);
        PutLe(out, file.Crc, 4);
    }
    return out;
}

Checked<std::vector<PackedFile>> DecodeIndex(const std::string& bytes, const PayloadHeader& header) {
    using Files = std::vector<PackedFile>;
    if (bytes.size() != header.IndexSize || UpdateCrc(0, bytes.data(), bytes.size()) != header.IndexCrc)
        return Refuse<Files>(PayloadProblem::IndexDamaged);
    Checked<Files> result;
    LeReader reader(bytes);
    std::set<std::string> names, folders;
    uint64_t lzmaEnd = 0, storedEnd = 0;
    // Each entry takes at least 24 bytes, so the count cannot ask for more
    // memory than the index itself.
    for (uint32_t i = 0; i < header.FileCount && !reader.Failed(); ++i) {
        PackedFile file;
        file.Path = reader.Text(static_cast<size_t>(reader.Get(2)));
        file.Size = reader.Get(8);
        file.Offset = reader.Get(8);
        const uint64_t method = reader.Get(1);
        file.Crc = static_cast<uint32_t>(reader.Get(4));
        if (reader.Failed())
            break;
        if (!IsSafeEntryPath(file.Path))
            return Refuse<Files>(PayloadProblem::UnsafePath);
        if (method > static_cast<uint8_t>(PackMethod::Lzma))
            return Refuse<Files>(PayloadProblem::BadLayout);
        file.Method = static_cast<PackMethod>(method);
        uint64_t& end = file.Method == PackMethod::Lzma ? lzmaEnd : storedEnd;
        if (file.Offset != end || file.Size > UINT64_MAX - end)
            return Refuse<Files>(PayloadProblem::BadLayout);
        end += file.Size;
        // No name twice, and no file where another one needs a folder.
        const std::string folded = FoldedEntryPath(file.Path);
        if (!names.insert(folded).second || folders.count(folded))
            return Refuse<Files>(PayloadProblem::UnsafePath);
        for (size_t slash = folded.find('\\'); slash != std::string::npos; slash = folded.find('\\', slash + 1)) {
            if (names.count(folded.substr(0, slash)))
                return Refuse<Files>(PayloadProblem::UnsafePath);
            folders.insert(folded.substr(0, slash));
        }
        result.Value.push_back(std::move(file));
    }
    if (reader.Failed() || !reader.AtEnd())
        return Refuse<Files>(PayloadProblem::IndexDamaged);
    if (lzmaEnd != header.LzmaUnpackedSize || storedEnd != header.StoredSize)
        return Refuse<Files>(PayloadProblem::BadLayout);
    return result;
}
