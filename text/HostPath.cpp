#include "text/HostPath.h"

namespace {
bool hostTextIsUtf8 = true;
}

void SetHostTextIsUtf8(bool utf8) {
    hostTextIsUtf8 = utf8;
}

std::filesystem::path HostPath(const std::string& text) {
    return hostTextIsUtf8 ? std::filesystem::u8path(text) : std::filesystem::path(text);
}

std::string HostText(const std::filesystem::path& path) {
    return hostTextIsUtf8 ? path.u8string() : path.string();
}
