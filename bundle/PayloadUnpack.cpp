#include "bundle/PayloadUnpack.h"

#include <LzmaDec.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr size_t kBufferSize = 256 * 1024;

void* Allocate(void*, size_t size) { return std::malloc(size); }
void Release(void*, void* address) { std::free(address); }
ISzAlloc kAllocator = {Allocate, Release};

template <typename T>
Checked<T> Refuse(PayloadProblem problem) {
    Checked<T> result;
    result.Problem = problem;
    return result;
}

bool ReadText(ByteSource& source, uint64_t offset, size_t size, std::string& text) {
    text.assign(size, '\0');
    return size == 0 || source.Read(offset, &text[0], size);
}

// The files of one area in index order, fed with that area's bytes in turn.
class FileFeeder {
public:
    FileFeeder(const CheckedPayload& payload, PackMethod method, UnpackSink& sink) : sink_(sink) {
        for (const PackedFile& file : payload.Files)
            if (file.Method == method)
                files_.push_back(&file);
    }
    // Opens the files of size 0 that come next, then feeds bytes.
    bool Feed(const unsigned char* data, size_t size) {
        for (;;) {
            if (!Settle())
                return false;
            if (size == 0)
                return true;
            if (next_ == files_.size())
                return false; // more bytes than the index names
            const PackedFile& file = *files_[next_];
            const size_t piece = static_cast<size_t>(std::min<uint64_t>(size, file.Size - written_));
            if (!sink_.Write(data, piece))
                return SinkFailed();
            crc_ = UpdateCrc(crc_, data, piece);
            written_ += piece;
            data += piece;
            size -= piece;
        }
    }
    bool Finished() { return Settle() && next_ == files_.size(); }
    bool SinkFailedToWrite() const { return sinkFailed_; }

private:
    // Begins the current file, and ends every file that is complete.
    bool Settle() {
        while (next_ < files_.size()) {
            const PackedFile& file = *files_[next_];
            if (!open_) {
                if (!sink_.Begin(file))
                    return SinkFailed();
                open_ = true;
                written_ = 0;
                crc_ = 0;
            }
            if (written_ < file.Size)
                return true;
            if (crc_ != file.Crc)
                return false;
            if (!sink_.End())
                return SinkFailed();
            open_ = false;
            ++next_;
        }
        return true;
    }
    bool SinkFailed() {
        sinkFailed_ = true;
        return false;
    }

    UnpackSink& sink_;
    std::vector<const PackedFile*> files_;
    size_t next_ = 0;
    bool open_ = false;
    uint64_t written_ = 0;
    uint32_t crc_ = 0;
    bool sinkFailed_ = false;
};

struct DecoderState {
    CLzmaDec decoder;
    DecoderState() { LzmaDec_Construct(&decoder); }
    ~DecoderState() { LzmaDec_Free(&decoder, &kAllocator); }
};

bool UnpackLzma(ByteSource& source, const CheckedPayload& payload, FileFeeder& feeder, uint64_t& done,
                const std::function<void(uint64_t)>& progress) {
    const PayloadHeader& header = payload.Header;
    if (header.LzmaPackedSize == 0)
        return true;
    DecoderState state;
    if (LzmaDec_Allocate(&state.decoder, header.LzmaProps, kLzmaPropsSize, &kAllocator) != SZ_OK)
        return false;
    LzmaDec_Init(&state.decoder);
    std::unique_ptr<unsigned char[]> in(new unsigned char[kBufferSize]), out(new unsigned char[kBufferSize]);
    uint64_t inOffset = payload.Begin + kPayloadHeaderSize + header.IndexSize;
    uint64_t inLeft = header.LzmaPackedSize, outLeft = header.LzmaUnpackedSize;
    size_t inPos = 0, inSize = 0;
    while (outLeft > 0) {
        if (inPos == inSize && inLeft > 0) {
            inSize = static_cast<size_t>(std::min<uint64_t>(inLeft, kBufferSize));
            if (!source.Read(inOffset, in.get(), inSize))
                return false;
            inOffset += inSize;
            inLeft -= inSize;
            inPos = 0;
        }
        SizeT outSize = static_cast<SizeT>(std::min<uint64_t>(outLeft, kBufferSize));
        SizeT inUsed = inSize - inPos;
        ELzmaStatus status;
        const ELzmaFinishMode finish = outSize == outLeft ? LZMA_FINISH_END : LZMA_FINISH_ANY;
        if (LzmaDec_DecodeToBuf(&state.decoder, out.get(), &outSize, in.get() + inPos, &inUsed, finish, &status) !=
            SZ_OK)
            return false;
        inPos += inUsed;
        if (outSize == 0 && inUsed == 0)
            return false; // no progress: the stream ends early
        if (!feeder.Feed(out.get(), outSize))
            return false;
        outLeft -= outSize;
        done += outSize;
        progress(done);
    }
    // The whole stream must have been used: no bytes hidden after it.
    return inLeft == 0 && inPos == inSize;
}

bool UnpackStored(ByteSource& source, const CheckedPayload& payload, FileFeeder& feeder, uint64_t& done,
                  const std::function<void(uint64_t)>& progress) {
    const PayloadHeader& header = payload.Header;
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[kBufferSize]);
    uint64_t offset = payload.Begin + kPayloadHeaderSize + header.IndexSize + header.LzmaPackedSize;
    for (uint64_t left = header.StoredSize; left > 0;) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(left, kBufferSize));
        if (!source.Read(offset, buffer.get(), size) || !feeder.Feed(buffer.get(), size))
            return false;
        offset += size;
        left -= size;
        done += size;
        progress(done);
    }
    return true;
}

} // namespace

Checked<CheckedPayload> CheckPayload(ByteSource& source, const std::function<void(uint64_t)>& progress) {
    const uint64_t fileSize = source.Size();
    std::string head;
    if (!ReadText(source, 0, static_cast<size_t>(std::min<uint64_t>(fileSize, kPeHeaderBytes)), head))
        return Refuse<CheckedPayload>(PayloadProblem::Truncated);
    const std::optional<PeLayout> layout = ReadPeLayout(head, fileSize);
    const std::optional<PayloadRoom> room = layout ? PayloadRoomOf(*layout, fileSize) : std::nullopt;
    if (!room)
        return Refuse<CheckedPayload>(PayloadProblem::Truncated);
    Checked<CheckedPayload> result;
    CheckedPayload& payload = result.Value;
    payload.Begin = room->Begin;
    const uint64_t available = room->End - room->Begin;
    std::string headerBytes;
    if (!ReadText(source, payload.Begin, static_cast<size_t>(std::min<uint64_t>(available, kPayloadHeaderSize)),
                  headerBytes))
        return Refuse<CheckedPayload>(PayloadProblem::Truncated);
    const Checked<PayloadHeader> header = DecodeHeader(headerBytes, available);
    if (!header)
        return Refuse<CheckedPayload>(header.Problem);
    payload.Header = header.Value;
    std::string index;
    if (!ReadText(source, payload.Begin + kPayloadHeaderSize, static_cast<size_t>(header.Value.IndexSize), index))
        return Refuse<CheckedPayload>(PayloadProblem::Truncated);
    Checked<std::vector<PackedFile>> files = DecodeIndex(index, header.Value);
    if (!files)
        return Refuse<CheckedPayload>(files.Problem);
    payload.Files = std::move(files.Value);
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[kBufferSize]);
    uint32_t crc = 0;
    uint64_t offset = payload.Begin + kPayloadHeaderSize + header.Value.IndexSize;
    const uint64_t end = payload.Begin + header.Value.PayloadSize;
    while (offset < end) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(end - offset, kBufferSize));
        if (!source.Read(offset, buffer.get(), size))
            return Refuse<CheckedPayload>(PayloadProblem::Truncated);
        crc = UpdateCrc(crc, buffer.get(), size);
        offset += size;
        progress(offset - payload.Begin);
    }
    if (crc != header.Value.DataCrc)
        return Refuse<CheckedPayload>(PayloadProblem::DataDamaged);
    return result;
}

UnpackOutcome UnpackPayload(ByteSource& source, const CheckedPayload& payload, UnpackSink& sink,
                            const std::function<void(uint64_t)>& progress) {
    uint64_t done = 0;
    FileFeeder lzmaFiles(payload, PackMethod::Lzma, sink);
    const bool lzmaDone = UnpackLzma(source, payload, lzmaFiles, done, progress) && lzmaFiles.Finished();
    if (lzmaFiles.SinkFailedToWrite())
        return UnpackOutcome::SinkFailed;
    if (!lzmaDone)
        return UnpackOutcome::Damaged;
    FileFeeder storedFiles(payload, PackMethod::Stored, sink);
    const bool storedDone = UnpackStored(source, payload, storedFiles, done, progress) && storedFiles.Finished();
    if (storedFiles.SinkFailedToWrite())
        return UnpackOutcome::SinkFailed;
    return storedDone ? UnpackOutcome::Unpacked : UnpackOutcome::Damaged;
}
