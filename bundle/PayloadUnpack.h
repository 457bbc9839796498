// Checking and unpacking a bundle's payload, apart from where its bytes come
// from and where its files go: the loader gives it its own file and real
// files, the tests give it memory.
#pragma once
#include <cstdint>
#include <functional>
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

// Streams every file of a checked payload into the sink, checking each
// file's checksum; memory stays within the dictionary and a few buffers.
// progress gets the unpacked bytes so far.
UnpackOutcome UnpackPayload(ByteSource& source, const CheckedPayload& payload, UnpackSink& sink,
                            const std::function<void(uint64_t)>& progress);
