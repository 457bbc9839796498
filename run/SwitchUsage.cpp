// Kept apart from the reader: the bundle loader links the reader alone, and
// its strings would otherwise stay in the loader.
#include "run/SetupSwitches.h"

std::string UsageText(SwitchSet set) {
    std::string text =
        "Switches (case does not matter, '-' may stand for '/'):\n\n"
        "/SILENT or /PASSIVE\tno questions; the background and the progress are shown\n"
        "/VERYSILENT or /QUIET\tnothing is shown at all\n"
        "/LOG\t\ta new log in the temporary folder\n"
        "/LOG=file\t\tthe log in this file\n";
    if (set == SwitchSet::Setup)
        text += "/DIR=path\t\tthe destination directory (a full path)\n"
                "/GROUP=name\tthe program group\n"
                "/NOICONS\t\tno program group and no shortcuts\n"
                "/SECTIONS=a,b\tthe sections to install\n"
                "/ALLOWDOWNGRADE\ta silent run may install an older version over a newer one\n";
    text += "/NORESTART, /SUPPRESSMSGBOXES, /SP-\taccepted, change nothing\n\n";
    text += set == SwitchSet::Setup
                ? "Exit codes: 0 done, 1602 cancelled, 1603 failed, 1618 another setup is running, "
                  "1622 the log cannot be written, 1638 a newer version is installed, 1639 bad command line, "
                  "3010 done, restart needed."
                : "Exit codes: 0 removed, 1 cancelled, 2 refused or failed, 1622 the log cannot be written, "
                  "1639 bad command line, 3010 removed, restart needed.";
    return text;
}
