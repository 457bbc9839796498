#include "rollback/OpenRuns_win.h"

#include "rollback/RegistryState_win.h"

namespace {
const char kOpenRunsKey[] = "Software\\Tarvane\\Setup\\Open runs";
// The list's keys are ours; "Software" is everyone's.
const char kKeptKey[] = "Software";
}

bool AddOpenRun(const std::string& folder) {
    return PutRegistryValue(HKEY_LOCAL_MACHINE, kOpenRunsKey, folder,
                            RegistryValueCopy{folder, REG_SZ, folder + std::string(1, '\0')});
}

void RemoveOpenRun(const std::string& folder) {
    PutRegistryValue(HKEY_LOCAL_MACHINE, kOpenRunsKey, folder, std::nullopt);
    RemoveEmptyKeys(HKEY_LOCAL_MACHINE, kOpenRunsKey, kKeptKey);
}

std::vector<std::string> OpenRuns() {
    std::vector<std::string> folders;
    for (const RegistryValueCopy& value : ReadAllValues(HKEY_LOCAL_MACHINE, kOpenRunsKey))
        if (value.Type == REG_SZ)
            folders.push_back(value.Name);
    return folders;
}
