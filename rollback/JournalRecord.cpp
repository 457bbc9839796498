#include "rollback/JournalRecord.h"

#include <optional>

#include "text/Crc32.h"

const char kJournalMagic[8] = {'T', 'A', 'R', 'V', 'J', 'N', 'L', '1'};

namespace {

constexpr size_t kFrameSize = 8;
// No record comes near this; a larger length is damage, not a record.
constexpr uint32_t kMaxBodySize = 64u * 1024 * 1024;

void PutNumber(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutText(std::string& out, const std::string& text) {
    PutNumber(out, text.size(), 4);
    out += text;
}

// Reads little-endian numbers and length-prefixed texts; any read past the
// end fails and leaves the cursor failed.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    std::optional<uint64_t> Number(int size) {
        if (bytes_.size() < static_cast<size_t>(size))
            return std::nullopt;
        uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[i])) << (8 * i);
        bytes_.remove_prefix(size);
        return value;
    }

    bool Text(std::string& text) {
        const auto length = Number(4);
        if (!length || bytes_.size() < *length)
            return false;
        text.assign(bytes_.substr(0, *length));
        bytes_.remove_prefix(*length);
        return true;
    }

    template <typename T>
    bool Into(T& target, int size) {
        const auto value = Number(size);
        if (value)
            target = static_cast<T>(*value);
        return value.has_value();
    }

    bool AtEnd() const { return bytes_.empty(); }
    std::string_view Rest() const { return bytes_; }
    void Skip(size_t count) { bytes_.remove_prefix(count); }

private:
    std::string_view bytes_;
};

bool KnownKind(uint64_t kind) {
    return kind >= static_cast<uint64_t>(RecordKind::FileCreated) &&
           kind <= static_cast<uint64_t>(RecordKind::InstallerFolder);
}

std::optional<JournalRecord> DecodeBody(std::string_view body) {
    Cursor cursor(body);
    JournalRecord record;
    const auto kind = cursor.Number(1);
    const auto existed = cursor.Number(1);
    if (!kind || !KnownKind(*kind) || !existed || *existed > 1)
        return std::nullopt;
    record.Kind = static_cast<RecordKind>(*kind);
    record.Existed = *existed == 1;
    if (!cursor.Into(record.Root, 4) || !cursor.Into(record.Type, 4) || !cursor.Into(record.Attributes, 4) ||
        !cursor.Into(record.CreationTime, 8) || !cursor.Into(record.LastWriteTime, 8) || !cursor.Text(record.Path) ||
        !cursor.Text(record.Backup) || !cursor.Text(record.Name) || !cursor.Text(record.Data) ||
        !cursor.Text(record.KeptKey) || !cursor.AtEnd())
        return std::nullopt;
    return record;
}

} // namespace

std::string EncodeRecord(const JournalRecord& record) {
    std::string body;
    PutNumber(body, static_cast<uint8_t>(record.Kind), 1);
    PutNumber(body, record.Existed ? 1 : 0, 1);
    PutNumber(body, record.Root, 4);
    PutNumber(body, record.Type, 4);
    PutNumber(body, record.Attributes, 4);
    PutNumber(body, record.CreationTime, 8);
    PutNumber(body, record.LastWriteTime, 8);
    PutText(body, record.Path);
    PutText(body, record.Backup);
    PutText(body, record.Name);
    PutText(body, record.Data);
    PutText(body, record.KeptKey);
    std::string framed;
    PutNumber(framed, body.size(), 4);
    PutNumber(framed, Crc32(body), 4);
    return framed + body;
}

std::vector<JournalRecord> ReadJournal(std::string_view bytes) {
    std::vector<JournalRecord> records;
    const std::string_view magic(kJournalMagic, sizeof(kJournalMagic));
    if (bytes.substr(0, magic.size()) != magic)
        return records;
    Cursor cursor(bytes.substr(magic.size()));
    while (cursor.Rest().size() >= kFrameSize) {
        const uint32_t length = static_cast<uint32_t>(*cursor.Number(4));
        const uint32_t check = static_cast<uint32_t>(*cursor.Number(4));
        if (length > kMaxBodySize || cursor.Rest().size() < length)
            break;
        const std::string_view body = cursor.Rest().substr(0, length);
        if (Crc32(body) != check)
            break;
        const auto record = DecodeBody(body);
        if (!record)
            break;
        records.push_back(*record);
        cursor.Skip(length);
    }
    return records;
}

std::string EncodeValueList(const std::vector<RegistryValueCopy>& values) {
    std::string out;
    PutNumber(out, values.size(), 4);
    for (const RegistryValueCopy& value : values) {
        PutText(out, value.Name);
        PutNumber(out, value.Type, 4);
        PutText(out, value.Data);
    }
    return out;
}

bool DecodeValueList(std::string_view bytes, std::vector<RegistryValueCopy>& values) {
    Cursor cursor(bytes);
    values.clear();
    const auto count = cursor.Number(4);
    if (!count)
        return false;
    for (uint64_t i = 0; i < *count; ++i) {
        RegistryValueCopy value;
        if (!cursor.Text(value.Name) || !cursor.Into(value.Type, 4) || !cursor.Text(value.Data))
            return false;
        values.push_back(std::move(value));
    }
    return cursor.AtEnd();
}

std::string ParentPath(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
