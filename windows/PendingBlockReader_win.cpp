#include "windows/PendingUnpack_win.h"

#include <cstdlib>
#include <cstring>

namespace {

// The counters are aligned 32-bit words that the loader sets with one
// interlocked store; one load reads them (the view is read-only).
LONG Field(const unsigned char* view, size_t offset) {
    return *reinterpret_cast<const volatile LONG*>(view + offset);
}

// The value of an inherited handle as the variable spells it.
std::optional<HANDLE> ParseHandle(const std::string& text) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::strtoul(text.c_str(), nullptr, 10)));
}

} // namespace

uint32_t PendingBlockReader::Done() const {
    return static_cast<uint32_t>(Field(View.get(), kPendingDoneOffset));
}

UnpackPhase PendingBlockReader::Phase() const {
    return static_cast<UnpackPhase>(Field(View.get(), kPendingPhaseOffset));
}

bool PendingBlockReader::LoaderGone() const { return WaitForSingleObject(Loader.get(), 0) != WAIT_TIMEOUT; }

std::optional<PendingBlockReader> TakePendingBlock() {
    char value[32] = {};
    const DWORD length = GetEnvironmentVariableA(kPendingUnpackVariable, value, sizeof(value));
    if (length == 0)
        return std::nullopt;
    SetEnvironmentVariableA(kPendingUnpackVariable, nullptr);
    if (length >= sizeof(value))
        return std::nullopt;
    const std::string text(value, length);
    const size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::optional<HANDLE> mapping = ParseHandle(text.substr(0, colon));
    const std::optional<HANDLE> loader = ParseHandle(text.substr(colon + 1));
    if (!mapping || !loader)
        return std::nullopt;
    // The handles are not closed unless the block proves them ours: a value
    // that someone else set could name any handle of this process.
    MappedView view(MapViewOfFile(*mapping, FILE_MAP_READ, 0, 0, 0));
    MEMORY_BASIC_INFORMATION region{};
    if (!view || !VirtualQuery(view.get(), &region, sizeof(region)) || region.RegionSize < kPendingHeaderSize)
        return std::nullopt;
    // The list's own size field bounds what is copied; the view's size
    // bounds that.
    uint32_t listSize = 0;
    std::memcpy(&listSize, view.get() + kPendingHeaderSize - 4, sizeof(listSize));
    if (listSize > region.RegionSize - kPendingHeaderSize)
        return std::nullopt;
    const std::string block(reinterpret_cast<const char*>(view.get()), kPendingHeaderSize + listSize);
    const std::optional<std::vector<std::string>> paths = DecodePendingList(block);
    if (!paths)
        return std::nullopt;
    return PendingBlockReader{PendingFiles(*paths), KernelHandle(*mapping), KernelHandle(*loader), std::move(view)};
}
