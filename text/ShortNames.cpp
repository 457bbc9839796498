#include "text/ShortNames.h"

#include "text/PathText.h"

namespace {
constexpr size_t ShortBaseLength = 8;
constexpr size_t ShortExtensionLength = 3;

std::string BaseBeforeFirstDot(const std::string& name) {
    return name.substr(0, name.find('.'));
}

// The base with a numbered tail when it does not fit, as Windows forms "~1".
std::string WithTail(const std::string& base, int number) {
    const std::string tail = "~" + std::to_string(number);
    return base.substr(0, ShortBaseLength - tail.size()) + tail;
}
}

void MakeShortBaseName(std::string& path) {
    const size_t slash = path.rfind('\\');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string base = BaseBeforeFirstDot(path.substr(nameStart));
    if (base.size() > ShortBaseLength)
        base = WithTail(base, 1);
    path.replace(nameStart, std::string::npos, base);
}

std::string RestartCopyPath(const std::string& windowsDirectory, const std::string& sourceName, int attempt) {
    std::string path = windowsDirectory + "\\TEMP\\" + sourceName;
    if (attempt == 0) {
        MakeShortBaseName(path);
    } else {
        const PathSplit parts = SplitAtLastBackslash(path);
        path = parts.Directory + "\\" + WithTail(BaseBeforeFirstDot(parts.Name), attempt + 1);
    }
    return path + ".tmp";
}

std::string RestartRenameTarget(const std::string& destinationPath, const std::string& realShortPath) {
    if (!realShortPath.empty())
        return realShortPath;
    const std::string name = FileNamePart(destinationPath);
    std::string target = destinationPath;
    MakeShortBaseName(target);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot + 1 < name.size())
        target += "." + name.substr(dot + 1, ShortExtensionLength);
    return target;
}
