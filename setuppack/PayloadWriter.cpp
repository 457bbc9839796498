#include "setuppack/PayloadWriter.h"

#include <LzmaEnc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>

#include "bundle/PayloadFormat.h"

namespace {

// A file is stored when its first bytes do not shrink at the fastest level.
// Small files always join the stream: alone they rarely shrink, among the
// others they usually do.
constexpr size_t kTrialSize = 1 << 20;
constexpr uint64_t kSmallFile = 4096;
constexpr size_t kCopyBuffer = 1 << 20;

void* Allocate(void*, size_t size) { return std::malloc(size); }
void Release(void*, void* address) { std::free(address); }
ISzAlloc kAllocator = {Allocate, Release};

uint64_t FileSize(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    ok = static_cast<bool>(in);
    return ok ? static_cast<uint64_t>(in.tellg()) : 0;
}

bool Shrinks(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string sample(kTrialSize, '\0');
    in.read(&sample[0], kTrialSize);
    sample.resize(static_cast<size_t>(in.gcount()));
    CLzmaEncProps props;
    LzmaEncProps_Init(&props);
    props.level = 1;
    props.numThreads = 1;
    SizeT packedSize = sample.size() + sample.size() / 3 + 128;
    std::unique_ptr<Byte[]> packed(new Byte[packedSize]);
    Byte encodedProps[kLzmaPropsSize];
    SizeT propsSize = kLzmaPropsSize;
    const SRes result = LzmaEncode(packed.get(), &packedSize, reinterpret_cast<const Byte*>(sample.data()),
                                   sample.size(), &props, encodedProps, &propsSize, 0, nullptr, &kAllocator,
                                   &kAllocator);
    return result == SZ_OK && packedSize < sample.size();
}

// The compressed files, read one after the other as one stream; each file's
// checksum is taken on the way.
struct FilesInStream {
    ISeqInStream Stream;
    std::vector<PackedFile*> Files;
    std::vector<std::string> HostPaths;
    size_t Next = 0;
    std::ifstream Current;
    uint64_t Left = 0;
    bool Failed = false;

    static SRes Read(void* self, void* buffer, size_t* size) {
        auto* me = static_cast<FilesInStream*>(self);
        while (me->Left == 0 && me->Next < me->Files.size()) {
            me->Current = std::ifstream(me->HostPaths[me->Next], std::ios::binary);
            me->Left = me->Files[me->Next]->Size;
            ++me->Next;
            if (!me->Current) {
                me->Failed = true;
                return SZ_ERROR_READ;
            }
        }
        const size_t want = static_cast<size_t>(std::min<uint64_t>(*size, me->Left));
        me->Current.read(static_cast<char*>(buffer), static_cast<std::streamsize>(want));
        if (static_cast<size_t>(me->Current.gcount()) != want) {
            me->Failed = true;
            return SZ_ERROR_READ;
        }
        if (want > 0)
            me->Files[me->Next - 1]->Crc = UpdateCrc(me->Files[me->Next - 1]->Crc, buffer, want);
        me->Left -= want;
        *size = want;
        return SZ_OK;
    }
};

struct ScratchOutStream {
    ISeqOutStream Stream;
    std::ofstream* Out;
    uint64_t Size = 0;
    uint32_t Crc = 0;

    static size_t Write(void* self, const void* data, size_t size) {
        auto* me = static_cast<ScratchOutStream*>(self);
        me->Out->write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!*me->Out)
            return 0;
        me->Size += size;
        me->Crc = UpdateCrc(me->Crc, data, size);
        return size;
    }
};

// Reads size bytes of a file, continuing the running checksum, and copies
// them to out when one is given; returns the file's own checksum, or nothing
// when the file cannot be read in full.
std::optional<uint32_t> ReadFileBytes(const std::string& path, uint64_t size, uint32_t& running, std::ostream* out) {
    std::ifstream in(path, std::ios::binary);
    std::unique_ptr<char[]> buffer(new char[kCopyBuffer]);
    uint32_t crc = 0;
    for (uint64_t left = size; left > 0;) {
        const size_t piece = static_cast<size_t>(std::min<uint64_t>(left, kCopyBuffer));
        in.read(buffer.get(), static_cast<std::streamsize>(piece));
        if (!in || static_cast<size_t>(in.gcount()) != piece)
            return std::nullopt;
        if (out)
            out->write(buffer.get(), static_cast<std::streamsize>(piece));
        crc = UpdateCrc(crc, buffer.get(), piece);
        running = UpdateCrc(running, buffer.get(), piece);
        left -= piece;
    }
    return crc;
}

struct Encoder {
    CLzmaEncHandle Handle = LzmaEnc_Create(&kAllocator);
    ~Encoder() {
        if (Handle)
            LzmaEnc_Destroy(Handle, &kAllocator, &kAllocator);
    }
};

PayloadWriteResult Failure(const std::string& error) {
    PayloadWriteResult result;
    result.Error = error;
    return result;
}

} // namespace

PayloadWriteResult WritePayload(const std::vector<PackSource>& sources, int level, uint32_t leadCount,
                                std::ostream& out, const std::string& scratchPath) {
    PayloadWriteResult result;
    std::vector<PackedFile> files(sources.size());
    FilesInStream in{};
    in.Stream.Read = &FilesInStream::Read;
    PayloadHeader header;
    header.LeadCount = leadCount;
    for (size_t i = 0; i < sources.size(); ++i) {
        PackedFile& file = files[i];
        file.Path = sources[i].EntryPath;
        bool readable = false;
        file.Size = FileSize(sources[i].HostPath, readable);
        if (!readable)
            return Failure("cannot read '" + sources[i].HostPath + "'");
        result.Figures.InputBytes += file.Size;
        if (level > 0 && (file.Size < kSmallFile || Shrinks(sources[i].HostPath))) {
            file.Method = PackMethod::Lzma;
            file.Offset = header.LzmaUnpackedSize;
            header.LzmaUnpackedSize += file.Size;
            in.Files.push_back(&file);
            in.HostPaths.push_back(sources[i].HostPath);
        } else {
            file.Offset = header.StoredSize;
            header.StoredSize += file.Size;
        }
    }
    struct ScratchRemover {
        const std::string& Path;
        ~ScratchRemover() { std::remove(Path.c_str()); }
    } remover{scratchPath};
    std::ofstream scratch(scratchPath, std::ios::binary | std::ios::trunc);
    if (!scratch)
        return Failure("cannot write '" + scratchPath + "'");
    ScratchOutStream packed{};
    packed.Stream.Write = &ScratchOutStream::Write;
    packed.Out = &scratch;
    if (header.LzmaUnpackedSize > 0) {
        Encoder encoder;
        CLzmaEncProps props;
        LzmaEncProps_Init(&props);
        props.level = level;
        props.dictSize = kMaxDictionarySize;
        props.reduceSize = static_cast<UInt32>(std::min<uint64_t>(header.LzmaUnpackedSize, 0xFFFFFFFFu));
        props.numThreads = 1;
        SizeT propsSize = kLzmaPropsSize;
        if (!encoder.Handle || LzmaEnc_SetProps(encoder.Handle, &props) != SZ_OK ||
            LzmaEnc_WriteProperties(encoder.Handle, header.LzmaProps, &propsSize) != SZ_OK)
            return Failure("the LZMA encoder cannot start");
        const SRes encoded = LzmaEnc_Encode(encoder.Handle, &packed.Stream, &in.Stream, nullptr, &kAllocator,
                                            &kAllocator);
        if (in.Failed || in.Left != 0 || in.Next != in.Files.size())
            return Failure("a file of the medium could not be read in full (did it change?)");
        if (encoded != SZ_OK)
            return Failure("cannot write '" + scratchPath + "'");
    }
    scratch.close();
    header.LzmaPackedSize = packed.Size;
    // The stored files' checksums now, continuing the stream's into the data
    // checksum; they are read again when copied.
    header.DataCrc = packed.Crc;
    for (size_t i = 0; i < files.size(); ++i) {
        PackedFile& file = files[i];
        if (file.Method != PackMethod::Stored)
            continue;
        ++result.Figures.StoredFiles;
        const std::optional<uint32_t> crc = ReadFileBytes(sources[i].HostPath, file.Size, header.DataCrc, nullptr);
        if (!crc)
            return Failure("cannot read '" + sources[i].HostPath + "'");
        file.Crc = *crc;
    }
    result.Figures.CompressedFiles = in.Files.size();
    const std::string index = EncodeIndex(files);
    header.FileCount = static_cast<uint32_t>(files.size());
    header.IndexSize = index.size();
    header.IndexCrc = UpdateCrc(0, index.data(), index.size());
    header.PayloadSize = kPayloadHeaderSize + header.IndexSize + header.LzmaPackedSize + header.StoredSize;
    out << EncodeHeader(header) << index;
    uint32_t copied = 0;
    if (ReadFileBytes(scratchPath, header.LzmaPackedSize, copied, &out) != packed.Crc)
        return Failure("cannot read back '" + scratchPath + "'");
    for (size_t i = 0; i < files.size(); ++i)
        if (files[i].Method == PackMethod::Stored &&
            ReadFileBytes(sources[i].HostPath, files[i].Size, copied, &out) != files[i].Crc)
            return Failure("'" + sources[i].HostPath + "' changed while it was packed");
    if (!out)
        return Failure("cannot write the output");
    result.Written = true;
    result.Figures.PayloadBytes = header.PayloadSize;
    return result;
}
