#include "bundle/EntryPath.h"

#include <cstring>

#include "text/PathText.h"

namespace {

bool IsDeviceName(std::string component) {
    const size_t dot = component.find('.');
    if (dot != std::string::npos)
        component.resize(dot);
    while (!component.empty() && component.back() == ' ')
        component.pop_back();
    component = FoldedEntryPath(component);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* device : kDevices)
        if (component == device)
            return true;
    return component.size() == 4 && (component.compare(0, 3, "COM") == 0 || component.compare(0, 3, "LPT") == 0) &&
           component[3] >= '0' && component[3] <= '9';
}

bool IsSafeComponent(const std::string& component) {
    if (component.empty() || component == "." || component == "..")
        return false;
    for (const unsigned char c : component)
        if (c < 0x20 || std::strchr("<>:\"/|?*", c))
            return false;
    // Windows drops trailing dots and blanks: "a." would be "a".
    if (component.back() == '.' || component.back() == ' ')
        return false;
    return !IsDeviceName(component);
}

} // namespace

bool IsSafeEntryPath(const std::string& path) {
    if (path.empty() || path.size() > kMaxEntryPathLength)
        return false;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find('\\', start);
        if (!IsSafeComponent(path.substr(start, end - start)))
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

std::string FoldedEntryPath(const std::string& path) { return UpperCasedPath(path); }
