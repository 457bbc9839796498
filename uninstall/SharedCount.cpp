#include "uninstall/SharedCount.h"

#include <limits>

const char SharedDllsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::optional<uint32_t> CountAfterInstall(SharedCountValue current, bool fileExistedBefore) {
    switch (current.Kind) {
    case CountValueKind::OtherType:
        return std::nullopt;
    case CountValueKind::Missing:
        return fileExistedBefore ? 2u : 1u;
    case CountValueKind::Number:
        break;
    }
    // A count at its limit stays there: the file then never goes, which is safe.
    if (current.Number == std::numeric_limits<uint32_t>::max())
        return current.Number;
    return current.Number + 1;
}

SharedRelease ReleaseSharedCount(SharedCountValue current) {
    if (current.Kind != CountValueKind::Number)
        return {ReleaseVerdict::Uncounted, 0};
    if (current.Number > 1)
        return {ReleaseVerdict::OthersRemain, current.Number - 1};
    return {ReleaseVerdict::LastUser, 0};
}
