// Feeds arbitrary path texts (a typed destination, a script's [DP]..\x) to
// the path normalization and checks what must hold for any input: the
// normal form is stable, holds no "." or ".." component and no doubled
// separator, lies inside itself, and its folder levels lead down to it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/PathText.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string normal = NormalizedPath(path);
    if (normal.empty())
        return 0;
    Require(NormalizedPath(normal) == normal);
    Require(normal.find('/') == std::string::npos);
    Require(normal.find("\\.\\") == std::string::npos && normal.find("\\..\\") == std::string::npos);
    Require(normal.find("\\\\", 2) == std::string::npos);
    Require(IsInsideFolder(normal, normal));
    std::string above;
    for (const std::string& level : FolderLevels(normal)) {
        Require(IsInsideFolder(normal, level));
        Require(above.empty() || (IsInsideFolder(level, above) && level != above));
        above = level;
    }
    Require(above.empty() || above == normal);
    return 0;
}
