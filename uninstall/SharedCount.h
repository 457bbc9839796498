// The reference count of a shared file: the REG_DWORD value named by the
// file's full path below HKEY_LOCAL_MACHINE\<SharedDllsKey>, which installers
// raise for every installation of the file and uninstallers lower, so that a
// shared file goes only with the last program that uses it.
#pragma once
#include <cstdint>
#include <optional>

extern const char SharedDllsKey[];

enum class CountValueKind { Missing, Number, OtherType };

struct SharedCountValue {
    CountValueKind Kind = CountValueKind::Missing;
    uint32_t Number = 0;
};

// The count to write after installing the file; none for a value of another
// type, which belongs to someone else and is left alone. A file that was
// there before without a count was installed by a program that kept none:
// it counts as one user before ours.
std::optional<uint32_t> CountAfterInstall(SharedCountValue current, bool fileExistedBefore);

enum class ReleaseVerdict {
    OthersRemain,  // write Remaining; the file and its registration stay
    LastUser,      // no program uses the file any more: ask whether to remove it
    Uncounted,     // no count of ours (missing or another type): keep the file, touch nothing
};

struct SharedRelease {
    ReleaseVerdict Verdict = ReleaseVerdict::Uncounted;
    uint32_t Remaining = 0;
};

SharedRelease ReleaseSharedCount(SharedCountValue current);
