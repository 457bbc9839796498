// Commands about the controls of the current window.
#include "tests/e2e/robot/RobotCommands.h"

#include "tests/e2e/robot/Keyboard.h"
#include "tests/e2e/robot/Polling.h"
#include "tests/e2e/robot/WindowQuery.h"

namespace {

bool NamesControl(const RobotCommand& command) { return command.Has("id") || command.Has("text"); }

// The control named by id=/text=, or the current window itself.
HWND TargetOf(const Session& session, const RobotCommand& command, std::string& error) {
    if (NamesControl(command))
        return RequireControl(session, command, error);
    return RequireWindow(session, error) ? session.Window : nullptr;
}

// A top-level window's title, or a control's current text.
std::string TextOfTarget(const Session& session, HWND target) {
    return target == session.Window ? TitleOf(target) : TextOf(target);
}

bool RequireWord(const RobotCommand& command, std::string& error) {
    if (command.Words.empty())
        error = "missing argument";
    return !command.Words.empty();
}

// Compares one observed property with an expected option, if the command has it.
bool PropertyMatches(const RobotCommand& command, const char* key, int actual, std::string& mismatch) {
    if (!command.Has(key))
        return true;
    long expected = 0;
    if (ParseNumber(command.Option(key), expected) && expected == actual)
        return true;
    mismatch += std::string(" ") + key + "=" + std::to_string(actual);
    return false;
}

bool BringToFront(HWND window, DWORD timeoutMs, std::string& error) {
    SetForegroundWindow(window);
    if (!PollUntil(timeoutMs, [&] { return GetForegroundWindow() == window; })) {
        error = "cannot bring the window to the front";
        return false;
    }
    return true;
}

} // namespace

bool ListChildrenCommand(Session& session, const RobotCommand&, std::string& error) {
    if (!RequireWindow(session, error))
        return false;
    for (HWND child : ChildControls(session.Window))
        Report("control " + DescribeControl(child));
    return true;
}

bool PrintTextCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND target = TargetOf(session, command, error);
    if (!target)
        return false;
    Report("text " + QuoteText(TextOfTarget(session, target)));
    return true;
}

bool ExpectTextCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireWord(command, error))
        return false;
    const HWND target = TargetOf(session, command, error);
    if (!target)
        return false;
    const std::string& expected = command.Words[0];
    std::string actual;
    if (!PollUntil(session.TimeoutMs, [&] { return (actual = TextOfTarget(session, target)) == expected; })) {
        error = "text is " + QuoteText(actual) + ", expected " + QuoteText(expected);
        return false;
    }
    return true;
}

bool ExpectStateCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND target = TargetOf(session, command, error);
    if (!target)
        return false;
    std::string mismatch;
    const bool matched = PollUntil(session.TimeoutMs, [&] {
        mismatch.clear();
        bool ok = PropertyMatches(command, "enabled", IsWindowEnabled(target) ? 1 : 0, mismatch);
        ok = PropertyMatches(command, "visible", IsWindowVisible(target) ? 1 : 0, mismatch) && ok;
        return PropertyMatches(command, "checked", CheckStateOf(target), mismatch) && ok;
    });
    if (!matched)
        error = "state is" + mismatch;
    return matched;
}

bool ClickCommand(Session& session, const RobotCommand& command, std::string& error) {
    const HWND control = RequireControl(session, command, error);
    if (!control)
        return false;
    if (!IsWindowEnabled(control)) {
        error = "control is disabled";
        return false;
    }
    // Posted, not sent: a click that opens a modal box must not hold the robot.
    PostMessageA(control, BM_CLICK, 0, 0);
    return true;
}

bool CheckCommand(Session& session, const RobotCommand& command, std::string& error) {
    long wanted = 0;
    if (!NumberWord(command, 0, wanted, error))
        return false;
    const HWND control = RequireControl(session, command, error);
    if (!control)
        return false;
    if (CheckStateOf(control) != wanted && !ClickCommand(session, command, error))
        return false;
    if (!PollUntil(session.TimeoutMs, [&] { return CheckStateOf(control) == wanted; })) {
        error = "check state stays " + std::to_string(CheckStateOf(control));
        return false;
    }
    return true;
}

bool SetTextCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireWord(command, error))
        return false;
    const HWND control = RequireControl(session, command, error);
    if (!control)
        return false;
    const std::string& text = command.Words[0];
    DWORD_PTR result = 0;
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                        session.TimeoutMs, &result);
    if (TextOf(control) != text) {
        error = "text is " + QuoteText(TextOf(control));
        return false;
    }
    return true;
}

bool KeysCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireWord(command, error) || !RequireWindow(session, error))
        return false;
    if (!BringToFront(session.Window, session.TimeoutMs, error))
        return false;
    for (const std::string& key : command.Words) {
        if (!PressKeys(key, error))
            return false;
    }
    return true;
}

bool TypeCommand(Session& session, const RobotCommand& command, std::string& error) {
    if (!RequireWord(command, error) || !RequireWindow(session, error))
        return false;
    if (!BringToFront(session.Window, session.TimeoutMs, error))
        return false;
    const HWND control = NamesControl(command) ? RequireControl(session, command, error) : nullptr;
    if (NamesControl(command) && !control)
        return false;
    if (control) {
        // Keyboard focus belongs to the target's thread; ask it to move there.
        const DWORD target = GetWindowThreadProcessId(control, nullptr);
        AttachThreadInput(GetCurrentThreadId(), target, TRUE);
        SetFocus(control);
        AttachThreadInput(GetCurrentThreadId(), target, FALSE);
    }
    TypeText(command.Words[0]);
    return true;
}
