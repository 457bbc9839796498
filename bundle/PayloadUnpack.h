// Checking and unpacking a bundle's payload, apart from where its bytes come
// from and where its files go: the loader gives it its own file and real
// files, the tests give it memory.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "bundle/PayloadFormat.h"
#include "bundle/PeLayout.h"

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads exactly size bytes at offset; false when it cannot.
    virtual bool Read(uint64_t offset, void* buffer, size_t size) = 0;
};

class UnpackSink {
public:
    virtual ~UnpackSink() = default;
    // A new file at a path that the index checked; false stops the unpacking.
    virtual bool Begin(const PackedFile& file) = 0;
    virtual bool Write(const void* data, size_t size) = 0;
    virtual bool End() = 0;
};

struct CheckedPayload {
    uint64_t Begin = 0; // the header's offset in the file
    PayloadHeader Header;
    std::vector<PackedFile> Files;
};

// Finds the payload from the PE headers, reads and checks its header and
// index, and reads the data once to check its checksum, so that nothing is
// written from a damaged file. progress gets the bytes checked so far.
Checked<CheckedPayload> CheckPayload(ByteSource& source, const std::function<void(uint64_t)>& progress);

enum class UnpackOutcome { Unpacked, Damaged, SinkFailed };

// Unpacks the files of a checked payload in index order, checking each
// file's checksum; the compressed ones come from one decoder that keeps its
// state from call to call, so the files can be unpacked in parts. Memory
// stays within the dictionary and a few buffers.
class PayloadUnpacker {
public:
    PayloadUnpacker(ByteSource& source, const CheckedPayload& payload);
    ~PayloadUnpacker();
    PayloadUnpacker(const PayloadUnpacker&) = delete;
    PayloadUnpacker& operator=(const PayloadUnpacker&) = delete;

    // Unpacks the files from the next one up to, not including, the file at
    // end (at most the count of files). progress gets the unpacked bytes
    // since the first call. After the last file the compressed stream must
    // be used up exactly.
    UnpackOutcome UnpackUpTo(size_t end, UnpackSink& sink, const std::function<void(uint64_t)>& progress);

    // The index position of the next file to unpack.
    size_t Next() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Every file at once.
UnpackOutcome UnpackPayload(ByteSource& source, const CheckedPayload& payload, UnpackSink& sink,
                            const std::function<void(uint64_t)>& progress);

// How many files, from the first, must be unpacked before setup.exe starts:
// the header's lead when it holds setup.exe at the top, otherwise all.
size_t LeadEnd(const CheckedPayload& payload);
