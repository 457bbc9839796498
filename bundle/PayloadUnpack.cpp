#include "bundle/PayloadUnpack.h"

#include <LzmaDec.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "bundle/EntryPath.h"

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

struct DecoderState {
    CLzmaDec decoder;
    DecoderState() { LzmaDec_Construct(&decoder); }
    ~DecoderState() { LzmaDec_Free(&decoder, &kAllocator); }
};

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

struct PayloadUnpacker::State {
    ByteSource& Source;
    const CheckedPayload& Payload;
    size_t Next = 0;
    uint64_t Done = 0;
    DecoderState Decoder;
    bool DecoderReady = false;
    std::unique_ptr<unsigned char[]> In{new unsigned char[kBufferSize]};
    std::unique_ptr<unsigned char[]> Out{new unsigned char[kBufferSize]};
    uint64_t InOffset = 0, InLeft = 0, OutLeft = 0;
    size_t InPos = 0, InSize = 0;

    State(ByteSource& source, const CheckedPayload& payload) : Source(source), Payload(payload) {
        const PayloadHeader& header = payload.Header;
        InOffset = payload.Begin + kPayloadHeaderSize + header.IndexSize;
        InLeft = header.LzmaPackedSize;
        OutLeft = header.LzmaUnpackedSize;
    }

    // Fills size bytes of Out from the compressed stream.
    bool Decode(size_t size) {
        if (!DecoderReady) {
            if (LzmaDec_Allocate(&Decoder.decoder, Payload.Header.LzmaProps, kLzmaPropsSize, &kAllocator) != SZ_OK)
                return false;
            LzmaDec_Init(&Decoder.decoder);
            DecoderReady = true;
        }
        if (size > OutLeft)
            return false;
        for (size_t filled = 0; filled < size;) {
            if (InPos == InSize && InLeft > 0) {
                InSize = static_cast<size_t>(std::min<uint64_t>(InLeft, kBufferSize));
                if (!Source.Read(InOffset, In.get(), InSize))
                    return false;
                InOffset += InSize;
                InLeft -= InSize;
                InPos = 0;
            }
            SizeT outSize = size - filled;
            SizeT inUsed = InSize - InPos;
            ELzmaStatus status;
            const ELzmaFinishMode finish = outSize == OutLeft ? LZMA_FINISH_END : LZMA_FINISH_ANY;
            if (LzmaDec_DecodeToBuf(&Decoder.decoder, Out.get() + filled, &outSize, In.get() + InPos, &inUsed, finish,
                                    &status) != SZ_OK)
                return false;
            InPos += inUsed;
            if (outSize == 0 && inUsed == 0)
                return false; // no progress: the stream ends early
            filled += outSize;
            OutLeft -= outSize;
        }
        return true;
    }

    // Fills size bytes of Out with the stored area's bytes at offset.
    bool ReadStored(uint64_t offset, size_t size) {
        const PayloadHeader& header = Payload.Header;
        return Source.Read(Payload.Begin + kPayloadHeaderSize + header.IndexSize + header.LzmaPackedSize + offset,
                           Out.get(), size);
    }

    UnpackOutcome UnpackFile(const PackedFile& file, UnpackSink& sink, const std::function<void(uint64_t)>& progress) {
        if (!sink.Begin(file))
            return UnpackOutcome::SinkFailed;
        uint32_t crc = 0;
        for (uint64_t written = 0; written < file.Size;) {
            const size_t piece = static_cast<size_t>(std::min<uint64_t>(file.Size - written, kBufferSize));
            const bool read = file.Method == PackMethod::Lzma ? Decode(piece) : ReadStored(file.Offset + written, piece);
            if (!read)
                return UnpackOutcome::Damaged;
            if (!sink.Write(Out.get(), piece))
                return UnpackOutcome::SinkFailed;
            crc = UpdateCrc(crc, Out.get(), piece);
            written += piece;
            Done += piece;
            progress(Done);
        }
        if (crc != file.Crc)
            return UnpackOutcome::Damaged;
        return sink.End() ? UnpackOutcome::Unpacked : UnpackOutcome::SinkFailed;
    }
};

PayloadUnpacker::PayloadUnpacker(ByteSource& source, const CheckedPayload& payload)
    : state_(new State(source, payload)) {}

PayloadUnpacker::~PayloadUnpacker() = default;

size_t PayloadUnpacker::Next() const { return state_->Next; }

UnpackOutcome PayloadUnpacker::UnpackUpTo(size_t end, UnpackSink& sink, const std::function<void(uint64_t)>& progress) {
    State& state = *state_;
    const std::vector<PackedFile>& files = state.Payload.Files;
    end = std::min(end, files.size());
    for (; state.Next < end; ++state.Next) {
        const UnpackOutcome outcome = state.UnpackFile(files[state.Next], sink, progress);
        if (outcome != UnpackOutcome::Unpacked)
            return outcome;
    }
    // The whole stream must have been used: no bytes hidden after it.
    if (state.Next == files.size() && (state.OutLeft != 0 || state.InLeft != 0 || state.InPos != state.InSize))
        return UnpackOutcome::Damaged;
    return UnpackOutcome::Unpacked;
}

UnpackOutcome UnpackPayload(ByteSource& source, const CheckedPayload& payload, UnpackSink& sink,
                            const std::function<void(uint64_t)>& progress) {
    PayloadUnpacker unpacker(source, payload);
    return unpacker.UnpackUpTo(payload.Files.size(), sink, progress);
}

size_t LeadEnd(const CheckedPayload& payload) {
    const size_t lead = payload.Header.LeadCount;
    for (size_t i = 0; i < lead && i < payload.Files.size(); ++i)
        if (FoldedEntryPath(payload.Files[i].Path) == "SETUP.EXE")
            return lead;
    return payload.Files.size();
}
