// The files a bundle's loader is still unpacking while setup.exe runs: the
// block the loader shares with setup.exe, and the decision whether a source
// file of the copy run can be read yet.
//
// The block (little-endian): the magic "TARVUNP1"; the phase (32 bits); how
// many of the pending files are complete (32 bits); their count (32 bits);
// the size of the list (32 bits); the list: each pending file's path
// relative to setup.exe's folder, ending in a zero byte, in the order the
// loader unpacks them. The loader changes the phase and the count, nothing
// else, after setup.exe has started.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

constexpr size_t kPendingPhaseOffset = 8;
constexpr size_t kPendingDoneOffset = 12;
constexpr size_t kPendingHeaderSize = 24;
// A list longer than this is not read.
constexpr size_t kMaxPendingListSize = 64u << 20;

enum class UnpackPhase : uint32_t {
    Unpacking = 0,
    Finished = 1, // every file is complete
    Failed = 2,   // the loader found damage or could not write: files are missing
};

// The block as the loader first writes it: unpacking, nothing complete.
std::string EncodePendingBlock(const std::vector<std::string>& paths);

// The list of a block, or nothing when the block is not one (wrong magic,
// sizes that do not agree, a count that does not match the list).
std::optional<std::vector<std::string>> DecodePendingList(const std::string& block);

enum class SourceReadiness {
    Ready, // complete, or never pending
    Wait,  // still to be unpacked
    Lost,  // it will never come: the loader failed or is gone
};

// Where each pending file comes in the unpacking.
class PendingFiles {
public:
    explicit PendingFiles(const std::vector<std::string>& paths);

    // The position a source must wait for: its own when it is pending;
    // nothing when it lies in folder but is not pending (the loader unpacked
    // it before setup.exe started); the last one when it lies elsewhere or
    // is spelled so that it cannot be matched (a short form), so that such
    // a file is read only when everything is there.
    std::optional<size_t> PositionOf(const std::string& folder, const std::string& sourcePath) const;

    size_t Count() const { return count_; }

private:
    std::unordered_map<std::string, size_t> positions_; // upper-cased path -> position
    size_t count_ = 0;
};

// Whether the source at position (see PositionOf) can be read now; done and
// phase as the block says, loaderGone when the loader has ended. The caller
// reads done and phase after it learnt whether the loader is gone.
SourceReadiness ReadinessOf(std::optional<size_t> position, uint32_t done, UnpackPhase phase, bool loaderGone);
