// Feeds arbitrary bytes to the reader of the pending-files block and asks
// where arbitrary sources stand in it; a block that reads must encode back to
// itself, and a position must lie inside the list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "run/PendingFiles.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::vector<std::string>> paths = DecodePendingList(bytes);
    if (!paths)
        return 0;
    const std::string encoded = EncodePendingBlock(*paths);
    Require(bytes.compare(0, kPendingPhaseOffset, encoded, 0, kPendingPhaseOffset) == 0);
    Require(bytes.compare(16, encoded.size() - 16, encoded, 16, std::string::npos) == 0);
    const PendingFiles files(*paths);
    for (const std::string& path : *paths) {
        const std::optional<size_t> position = files.PositionOf("C:\\T", "C:\\T\\" + path);
        Require(!position || *position < paths->size());
    }
    const std::optional<size_t> elsewhere = files.PositionOf("C:\\T", bytes);
    Require(!elsewhere || *elsewhere < paths->size());
    return 0;
}
