// Feeds arbitrary bytes to the journal reader: it must never crash, every
// record it accepts encodes back to bytes that read to the same record, and
// the undo plan of what it read never has more steps than records allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rollback/JournalRecord.h"
#include "rollback/UndoPlan.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<JournalRecord> records = ReadJournal(bytes);
    std::string again(kJournalMagic, sizeof(kJournalMagic));
    for (const JournalRecord& record : records)
        again += EncodeRecord(record);
    const std::vector<JournalRecord> reread = ReadJournal(again);
    Require(reread.size() == records.size());
    for (size_t i = 0; i < records.size(); ++i)
        Require(EncodeRecord(reread[i]) == EncodeRecord(records[i]));
    Require(PlanUndo(records).size() <= 2 * records.size());
    std::vector<RegistryValueCopy> values;
    if (DecodeValueList(bytes, values))
        Require(EncodeValueList(values) == bytes);
    return 0;
}
