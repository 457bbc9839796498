// The block's bytes: the loader writes them, setup.exe reads them.
#include "run/PendingFiles.h"

namespace {

const char kMagic[8] = {'T', 'A', 'R', 'V', 'U', 'N', 'P', '1'};

void PutLe32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetLe32(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

} // namespace

std::string EncodePendingBlock(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) {
        list += path;
        list += '\0';
    }
    std::string block(kMagic, sizeof(kMagic));
    PutLe32(block, static_cast<uint32_t>(UnpackPhase::Unpacking));
    PutLe32(block, 0);
    PutLe32(block, static_cast<uint32_t>(paths.size()));
    PutLe32(block, static_cast<uint32_t>(list.size()));
    return block + list;
}

std::optional<std::vector<std::string>> DecodePendingList(const std::string& block) {
    if (block.size() < kPendingHeaderSize || block.compare(0, sizeof(kMagic), kMagic, sizeof(kMagic)) != 0)
        return std::nullopt;
    const uint32_t count = GetLe32(block, 16), listSize = GetLe32(block, 20);
    if (listSize > kMaxPendingListSize || listSize > block.size() - kPendingHeaderSize)
        return std::nullopt;
    std::vector<std::string> paths;
    size_t at = kPendingHeaderSize;
    const size_t end = kPendingHeaderSize + listSize;
    while (at < end) {
        const size_t zero = block.find('\0', at);
        if (zero == std::string::npos || zero >= end || zero == at)
            return std::nullopt;
        paths.push_back(block.substr(at, zero - at));
        at = zero + 1;
    }
    if (paths.size() != count)
        return std::nullopt;
    return paths;
}
