// Feeds arbitrary bytes, as the payload behind a loader's image, to the
// bundle reader and unpacker: they must never crash; whatever they accept
// names only safe paths, each once, and yields exactly the bytes its index
// declares. The header's checksums are recomputed first when the input asks
// for it (its first byte is odd), so that the fuzzer gets past them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../native/BundleTestSupport.h"
#include "bundle/EntryPath.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

uint64_t Le64(const std::string& bytes, size_t at) {
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

// Sets the header's checksums of index, data and header to match the input.
void FixChecksums(std::string& payload) {
    if (payload.size() < kPayloadHeaderSize)
        return;
    const uint64_t payloadSize = Le64(payload, 8), indexSize = Le64(payload, 16);
    if (indexSize <= payload.size() - kPayloadHeaderSize) {
        const uint64_t data = kPayloadHeaderSize + indexSize;
        test_pe::Put(payload, 24, UpdateCrc(0, payload.data() + kPayloadHeaderSize, indexSize), 4);
        if (payloadSize >= data && payloadSize <= payload.size())
            test_pe::Put(payload, 28, UpdateCrc(0, payload.data() + data, payloadSize - data), 4);
    }
    test_pe::Put(payload, kPayloadHeaderSize - 4, UpdateCrc(0, payload.data(), kPayloadHeaderSize - 4), 4);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::string payload(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        FixChecksums(payload);
    const std::string bundle = test_pe::Image() + payload;
    MemorySource source(bundle);
    const Checked<CheckedPayload> checked = CheckPayload(source, [](uint64_t) {});
    if (!checked)
        return 0;
    uint64_t declared = 0;
    for (const PackedFile& file : checked.Value.Files) {
        Require(IsSafeEntryPath(file.Path));
        declared += file.Size;
    }
    Require(checked.Value.Begin + checked.Value.Header.PayloadSize <= bundle.size());
    // Bytes in memory: a few packed bytes may declare gigabytes.
    if (declared > (16u << 20))
        return 0;
    MemorySink sink;
    if (UnpackPayload(source, checked.Value, sink, [](uint64_t) {}) != UnpackOutcome::Unpacked)
        return 0;
    uint64_t unpacked = 0;
    for (const auto& [path, bytes] : sink.Files)
        unpacked += bytes.size();
    Require(sink.Files.size() == checked.Value.Files.size() && unpacked == declared);
    return 0;
}
