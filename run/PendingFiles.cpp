#include "run/PendingFiles.h"

#include "text/PathText.h"

PendingFiles::PendingFiles(const std::vector<std::string>& paths) : count_(paths.size()) {
    for (size_t i = 0; i < paths.size(); ++i)
        positions_.emplace(UpperCasedPath(paths[i]), i);
}

std::optional<size_t> PendingFiles::PositionOf(const std::string& folder, const std::string& sourcePath) const {
    if (count_ == 0)
        return std::nullopt;
    std::string prefix = UpperCasedPath(folder);
    if (prefix.empty() || prefix.back() != '\\')
        prefix += '\\';
    std::string source = sourcePath;
    CollapseBackslashes(source);
    source = UpperCasedPath(source);
    if (source.compare(0, prefix.size(), prefix) != 0)
        return count_ - 1;
    const std::string relative = source.substr(prefix.size());
    if (relative.find("\\.") != std::string::npos || relative.compare(0, 1, ".") == 0 ||
        relative.find('~') != std::string::npos)
        return count_ - 1; // "..", "." or a short form: not matched by name
    const auto found = positions_.find(relative);
    if (found == positions_.end())
        return std::nullopt;
    return found->second;
}

SourceReadiness ReadinessOf(std::optional<size_t> position, uint32_t done, UnpackPhase phase, bool loaderGone) {
    if (!position || phase == UnpackPhase::Finished || *position < done)
        return SourceReadiness::Ready;
    if (phase != UnpackPhase::Unpacking || loaderGone)
        return SourceReadiness::Lost;
    return SourceReadiness::Wait;
}
