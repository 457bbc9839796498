#include "uninstall/RemovalReport.h"

const char RestartText[] = "Restart Windows to complete the removal";

namespace {
void AppendList(std::string& text, const char* heading, const std::vector<std::string>& items) {
    if (items.empty())
        return;
    text += std::string("\n\n") + heading;
    for (size_t i = 0; i < items.size() && i < RemovalReport::MaxListed; ++i)
        text += "\n" + items[i];
    if (items.size() > RemovalReport::MaxListed)
        text += "\n... and " + std::to_string(items.size() - RemovalReport::MaxListed) + " more";
}
}

void RemovalReport::Note(RemovalOutcome outcome, const std::string& path, const std::string& reason) {
    const std::string item = reason.empty() ? path : path + " (" + reason + ")";
    switch (outcome) {
    case RemovalOutcome::Removed:
        break;
    case RemovalOutcome::Kept:
        kept_.push_back(item);
        break;
    case RemovalOutcome::Scheduled:
        scheduled_.push_back(item);
        break;
    case RemovalOutcome::Failed:
        failed_.push_back(item);
        break;
    }
}

UninstallExit RemovalReport::Exit() const {
    if (!failed_.empty())
        return UninstallExit::RefusedOrFailed;
    return scheduled_.empty() ? UninstallExit::Removed : UninstallExit::RestartNeeded;
}

std::string RemovalReport::FinalText(const std::string& appName) const {
    std::string text = failed_.empty() ? appName + " has been removed from your computer."
                                       : appName + " could not be removed completely. Run the uninstaller again "
                                                   "once the reason is taken away.";
    AppendList(text, "Not removed:", failed_);
    AppendList(text, "Kept:", kept_);
    AppendList(text, "Deleted when Windows restarts:", scheduled_);
    if (!scheduled_.empty())
        text += std::string("\n\n") + RestartText + ".";
    return text;
}
