#include "script/Upgrade.h"

const char* DestinationSourceText(DestinationSource source) {
    switch (source) {
    case DestinationSource::Script: return " (the script's)";
    case DestinationSource::DirSwitch: return " (/DIR)";
    case DestinationSource::EarlierInstallation: return " (the earlier installation's folder)";
    case DestinationSource::DestinationPage: return " (chosen on the destination page)";
    }
    return "";
}

std::string DowngradeQuestion(const std::string& appName, const std::string& installed, const std::string& offered) {
    return "A newer version (" + installed + ") of " + appName + " is already installed. Install version " + offered +
           " over it?";
}
