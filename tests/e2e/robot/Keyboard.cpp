#include "tests/e2e/robot/Keyboard.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

struct NamedKey {
    const char* name;
    WORD key;
};

const NamedKey kNamedKeys[] = {
    {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"ESC", VK_ESCAPE}, {"ESCAPE", VK_ESCAPE},
    {"TAB", VK_TAB}, {"SPACE", VK_SPACE}, {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT},
    {"UP", VK_UP}, {"DOWN", VK_DOWN}, {"HOME", VK_HOME}, {"END", VK_END},
    {"BACKSPACE", VK_BACK}, {"DELETE", VK_DELETE}, {"ALT", VK_MENU}, {"SHIFT", VK_SHIFT},
    {"CTRL", VK_CONTROL}, {"PAGEUP", VK_PRIOR}, {"PAGEDOWN", VK_NEXT},
};

// The virtual key of one name, 0 when unknown.
WORD VirtualKeyOf(const std::string& name) {
    for (const NamedKey& named : kNamedKeys) {
        if (name == named.name)
            return named.key;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        const int number = std::atoi(name.c_str() + 1);
        if (number >= 1 && number <= 12)
            return static_cast<WORD>(VK_F1 + number - 1);
    }
    if (name.size() == 1) {
        const SHORT scan = VkKeyScanA(name[0]);
        if (scan != -1)
            return static_cast<WORD>(LOBYTE(scan));
    }
    return 0;
}

INPUT KeyEvent(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT>& events) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

} // namespace

bool PressKeys(const std::string& name, std::string& error) {
    std::vector<WORD> chord;
    size_t start = 0;
    for (;;) {
        const size_t plus = name.find('+', start + 1);
        const std::string part = name.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        const WORD key = VirtualKeyOf(part);
        if (key == 0) {
            error = "unknown key " + part;
            return false;
        }
        chord.push_back(key);
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    std::vector<INPUT> events;
    for (WORD key : chord)
        events.push_back(KeyEvent(key, 0));
    for (auto key = chord.rbegin(); key != chord.rend(); ++key)
        events.push_back(KeyEvent(*key, KEYEVENTF_KEYUP));
    Send(events);
    return true;
}

void TypeText(const std::string& text) {
    std::vector<INPUT> events;
    for (const char c : text) {
        WCHAR wide = 0;
        MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1);
        INPUT down = KeyEvent(0, KEYEVENTF_UNICODE);
        down.ki.wScan = wide;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        events.push_back(down);
        events.push_back(up);
    }
    Send(events);
}
