#include "windows/PendingUnpack_win.h"

#include <cstring>
#include <utility>

namespace {

// The counters are aligned 32-bit words, set with one interlocked store
// each (setup.exe reads them with one load).
LONG* Field(unsigned char* view, size_t offset) { return reinterpret_cast<LONG*>(view + offset); }

} // namespace

PendingBlockWriter::PendingBlockWriter(const std::vector<std::string>& paths) {
    const std::string block = EncodePendingBlock(paths);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    mapping_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, &inherited, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(block.size()), nullptr));
    if (!mapping_)
        return;
    view_ = MappedView(MapViewOfFile(mapping_.get(), FILE_MAP_WRITE, 0, 0, 0));
    if (!view_)
        return;
    std::memcpy(view_.get(), block.data(), block.size());
    HANDLE self = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE, 0))
        self_.reset(self);
}

std::string PendingBlockWriter::VariableValue() const {
    // wsprintfA of user32: the loader keeps clear of the C runtime's
    // formatting, for size.
    char value[32];
    wsprintfA(value, "%lu:%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(mapping_.get())),
              static_cast<unsigned long>(reinterpret_cast<uintptr_t>(self_.get())));
    return value;
}

void PendingBlockWriter::SetDone(uint32_t done) {
    InterlockedExchange(Field(view_.get(), kPendingDoneOffset), static_cast<LONG>(done));
}

void PendingBlockWriter::SetPhase(UnpackPhase phase) {
    InterlockedExchange(Field(view_.get(), kPendingPhaseOffset), static_cast<LONG>(phase));
}

