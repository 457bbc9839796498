// How a script-defined control's Type becomes a window: class, style and
// extended style for CreateWindowExA.
#pragma once
#include <cstdint>
#include <string>

// Every script-defined control is a visible child window (WS_CHILD | WS_VISIBLE).
constexpr uint32_t kControlBaseStyle = 0x50000000;

struct ControlWindowKind {
    std::string ClassName;
    uint32_t Style = kControlBaseStyle; // base style plus the type's own bits
    uint32_t ExStyle = 0;
};

// "CHECKBOX", "CHECKBOX_BTNSTYLE", "OPTION", "OPTION_BTNSTYLE", "LABEL" and
// "EDIT" (compared exactly) have their own class and bits; any other text is
// taken as a window class name with the base style alone.
ControlWindowKind ControlWindowKindOf(const std::string& type);
