#include "pages/ControlCommands.h"

#include <algorithm>
#include <cctype>

#include "pages/ControlTypes.h"

namespace {

// The platform's notification codes.
constexpr int kEditChange = 0x300;      // EN_CHANGE
constexpr int kComboSetFocus = 3;       // CBN_SETFOCUS
constexpr int kComboKillFocus = 4;      // CBN_KILLFOCUS

bool SameClassName(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

bool NamedByCheckButton(const std::vector<ScriptStatement>& pageCommands, const std::string& controlName) {
    return std::any_of(pageCommands.begin(), pageCommands.end(), [&](const ScriptStatement& statement) {
        return statement.Name == "CheckButton" && !statement.Arguments.empty() &&
               statement.Arguments[0] == controlName;
    });
}

bool NotificationShowsMessage(const std::string& className, int notification) {
    if (SameClassName(className, "EDIT"))
        return notification == kEditChange;
    if (SameClassName(className, "COMBOBOX"))
        return notification != kComboSetFocus && notification != kComboKillFocus;
    return true;
}

std::vector<PageMessage> MessagesForNotification(const SetupState& state, WindowHandle source, int notification) {
    std::vector<PageMessage> messages;
    if (!source)
        return messages;
    for (const ScriptStatement& statement : state.PageCommands) {
        const std::vector<std::string>& args = statement.Arguments;
        if (statement.Name != "ShowMessage" || args.size() != 4 || args[3] != "COMMAND")
            continue;
        for (const DynamicControl& control : state.Controls) {
            if (control.Window == source && control.Name == args[2] &&
                NotificationShowsMessage(ControlWindowKindOf(control.Type).ClassName, notification))
                messages.push_back({args[0], args[1]});
        }
    }
    return messages;
}
