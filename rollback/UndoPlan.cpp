#include "rollback/UndoPlan.h"

#include <set>
#include <string>

#include "text/PathText.h"

namespace {

// What a record changes; two records of one target describe one change, and
// only the first knows the state before the run.
std::string TargetOf(const JournalRecord& record) {
    switch (record.Kind) {
    case RecordKind::FileCreated:
    case RecordKind::FileReplaced:
        return "F" + UpperCasedPath(record.Path);
    case RecordKind::DirectoryMade:
        return "D" + UpperCasedPath(record.Path);
    case RecordKind::RegistryValue:
        return "V" + std::to_string(record.Root) + UpperCasedPath(record.Path) + '\n' + UpperCasedPath(record.Name);
    case RecordKind::RegistryKey:
        return "K" + std::to_string(record.Root) + UpperCasedPath(record.Path);
    case RecordKind::LibraryRegistered:
        return "L" + UpperCasedPath(record.Path);
    case RecordKind::RestartMoveAdded:
        return "M" + UpperCasedPath(record.Path) + '\n' + UpperCasedPath(record.Data);
    case RecordKind::InstallerFolder:
        return "T" + UpperCasedPath(record.Path);
    case RecordKind::WininitEntryAdded:
        return "W" + UpperCasedPath(record.Path) + '\n' + UpperCasedPath(record.Name) + '\n' + UpperCasedPath(record.Data);
    }
    return std::string();
}

bool RegisteredAgainLater(const std::vector<JournalRecord>& journal, size_t from, const std::string& path) {
    for (size_t i = from + 1; i < journal.size(); ++i)
        if (journal[i].Kind == RecordKind::LibraryRegistered && journal[i].Existed &&
            UpperCasedPath(journal[i].Path) == UpperCasedPath(path))
            return true;
    return false;
}

} // namespace

std::vector<UndoAction> PlanUndo(const std::vector<JournalRecord>& journal) {
    std::vector<bool> first(journal.size(), false);
    std::set<std::string> seen;
    for (size_t i = 0; i < journal.size(); ++i)
        first[i] = seen.insert(TargetOf(journal[i])).second;

    // Folders the run made go after everything else: a section's file
    // records may come before the folders they lie in, and a folder empties
    // only once its files are undone.
    std::vector<UndoAction> plan, folders;
    for (size_t i = journal.size(); i-- > 0;) {
        if (!first[i])
            continue;
        const JournalRecord& record = journal[i];
        switch (record.Kind) {
        case RecordKind::FileCreated:
            plan.push_back({UndoStep::DeleteFile, record});
            break;
        case RecordKind::FileReplaced:
            plan.push_back({UndoStep::RestoreFile, record});
            if (RegisteredAgainLater(journal, i, record.Path))
                plan.push_back({UndoStep::RegisterAgain, record});
            break;
        case RecordKind::DirectoryMade:
            folders.push_back({UndoStep::RemoveDirectory, record});
            break;
        case RecordKind::RegistryValue:
            plan.push_back({UndoStep::RestoreValue, record});
            break;
        case RecordKind::RegistryKey:
            plan.push_back({UndoStep::RestoreKey, record});
            break;
        case RecordKind::LibraryRegistered:
            // A library that was there before is registered again once its
            // old bytes are back (see FileReplaced).
            if (!record.Existed)
                plan.push_back({UndoStep::Unregister, record});
            break;
        case RecordKind::RestartMoveAdded:
            plan.push_back({UndoStep::WithdrawRestartMove, record});
            break;
        case RecordKind::WininitEntryAdded:
            plan.push_back({UndoStep::WithdrawWininitEntry, record});
            break;
        case RecordKind::InstallerFolder:
            plan.push_back({UndoStep::RemoveTemporaries, record});
            break;
        }
    }
    plan.insert(plan.end(), folders.begin(), folders.end());
    return plan;
}
