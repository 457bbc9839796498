#include "bundle/PeLayout.h"

namespace {

uint64_t Le(const std::string& bytes, size_t at, int size) {
    uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

constexpr size_t kCoffHeaderSize = 20;
constexpr size_t kSectionHeaderSize = 40;
constexpr uint32_t kSecurityDirectory = 4;

} // namespace

std::optional<PeLayout> ReadPeLayout(const std::string& head, uint64_t fileSize) {
    if (head.size() < 0x40 || head.compare(0, 2, "MZ") != 0)
        return std::nullopt;
    const uint64_t pe = Le(head, 0x3C, 4);
    const uint64_t optional = pe + 4 + kCoffHeaderSize;
    if (optional + 2 > head.size() || head.compare(static_cast<size_t>(pe), 4, std::string("PE\0\0", 4)) != 0)
        return std::nullopt;
    PeLayout layout;
    const uint64_t machine = Le(head, pe + 4, 2);
    layout.Machine = machine == 0x14C ? PeMachine::I386 : machine == 0x8664 ? PeMachine::Amd64 : PeMachine::Other;
    const uint64_t sections = Le(head, pe + 6, 2);
    const uint64_t optionalSize = Le(head, pe + 20, 2);
    const uint64_t magic = Le(head, optional, 2);
    // The data directories follow the count of them; their place differs
    // between PE32 and PE32+.
    const uint64_t countAt = magic == 0x10B ? 92 : magic == 0x20B ? 108 : 0;
    if (countAt == 0 || countAt + 4 > optionalSize || optional + optionalSize > head.size())
        return std::nullopt;
    const uint64_t directories = Le(head, optional + countAt, 4);
    const uint64_t securityAt = countAt + 4 + 8 * kSecurityDirectory;
    if (directories > kSecurityDirectory && securityAt + 8 <= optionalSize) {
        layout.CertificateOffset = Le(head, optional + securityAt, 4);
        layout.CertificateSize = Le(head, optional + securityAt + 4, 4);
    }
    const uint64_t table = optional + optionalSize;
    if (table + sections * kSectionHeaderSize > head.size())
        return std::nullopt;
    layout.ImageEnd = table + sections * kSectionHeaderSize;
    for (uint64_t i = 0; i < sections; ++i) {
        const uint64_t at = table + i * kSectionHeaderSize;
        const uint64_t rawSize = Le(head, at + 16, 4), rawOffset = Le(head, at + 20, 4);
        if (rawSize == 0)
            continue;
        if (rawOffset + rawSize > fileSize)
            return std::nullopt;
        if (rawOffset + rawSize > layout.ImageEnd)
            layout.ImageEnd = rawOffset + rawSize;
    }
    if (layout.CertificateOffset != 0 &&
        (layout.CertificateSize == 0 || layout.CertificateOffset + layout.CertificateSize > fileSize))
        return std::nullopt;
    return layout;
}

std::optional<PayloadRoom> PayloadRoomOf(const PeLayout& layout, uint64_t fileSize) {
    PayloadRoom room{layout.ImageEnd, layout.CertificateOffset != 0 ? layout.CertificateOffset : fileSize};
    if (room.End < room.Begin || room.End > fileSize)
        return std::nullopt;
    return room;
}
