// What the kept CheckButton and ShowMessage statements do to script-defined
// controls: which start checked, and which messages a control's notification
// shows.
#pragma once
#include <string>
#include <vector>

#include "script/SetupState.h"

// True when a CheckButton statement names the control.
bool NamedByCheckButton(const std::vector<ScriptStatement>& pageCommands, const std::string& controlName);

// Whether a notification of a control of this window class counts as a
// click for ShowMessage "COMMAND". Buttons notify only clicks. An edit
// field also reports gaining and losing the focus, and the message box
// takes the focus and gives it back when closed, so those would show the
// box again without end; of an edit field only a change of its text
// (EN_CHANGE) counts, once per change. A combo box likewise reports the
// focus, which does not count either. Class names compare case-blind, as
// the platform compares them.
bool NotificationShowsMessage(const std::string& className, int notification);

struct PageMessage {
    std::string Text;
    std::string Caption;
};

// The messages of ShowMessage statements with mode "COMMAND" that a
// notification from the window `source` shows, in the order to show them:
// statements in script order, and within one statement the controls in
// list order whose window is `source` and whose name the statement names.
// A control without a window never matches, not even a null source.
std::vector<PageMessage> MessagesForNotification(const SetupState& state, WindowHandle source, int notification);
