// The block of pending files (run/PendingFiles.h) between a bundle's loader
// and the setup.exe it starts: a memory block of the page file that
// setup.exe inherits, with the loader's own process handle, both named in
// the environment variable kPendingUnpackVariable ("<block>:<loader>", the
// handle values in decimal). Nothing of it lies in any folder.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "run/PendingFiles.h"
#include "windows/Handles_win.h"

constexpr char kPendingUnpackVariable[] = "TARVANE_SETUP_UNPACK";
// The start of the name of the loader's folder below the Windows TEMP folder.
constexpr char kExtractionFolderPrefix[] = "TarvaneSetup-";

// A mapped view; unmapped when it goes.
class MappedView {
public:
    MappedView() = default;
    explicit MappedView(void* view) : view_(static_cast<unsigned char*>(view)) {}
    ~MappedView() { reset(); }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    MappedView(MappedView&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
    MappedView& operator=(MappedView&& other) noexcept {
        if (this != &other) {
            reset();
            view_ = std::exchange(other.view_, nullptr);
        }
        return *this;
    }
    unsigned char* get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }

private:
    void reset() {
        if (view_)
            UnmapViewOfFile(view_);
        view_ = nullptr;
    }

    unsigned char* view_ = nullptr;
};

// The loader's side (PendingBlockWriter_win.cpp): the block for the files it unpacks after setup.exe
// starts.
class PendingBlockWriter {
public:
    explicit PendingBlockWriter(const std::vector<std::string>& paths);
    explicit operator bool() const { return static_cast<bool>(view_) && static_cast<bool>(self_); }
    // The variable's value; the two handles are inheritable.
    std::string VariableValue() const;
    void SetDone(uint32_t done);
    void SetPhase(UnpackPhase phase);

private:
    KernelHandle mapping_, self_;
    MappedView view_;
};

// setup.exe's side (PendingBlockReader_win.cpp): what the loader shares, when setup.exe came from a
// bundle whose unpacking goes on.
struct PendingBlockReader {
    PendingFiles Files;
    KernelHandle Mapping, Loader;
    MappedView View;

    uint32_t Done() const;
    UnpackPhase Phase() const;
    bool LoaderGone() const;
};

// Reads the variable (then clears it, so that programs setup.exe starts do
// not see it) and the block it names; nothing when there is none or it is
// not a block of ours.
std::optional<PendingBlockReader> TakePendingBlock();
