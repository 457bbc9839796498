#include "pages/ControlTypes.h"

namespace {

// The platform's values, spelled out because the core has no <windows.h>.
constexpr uint32_t kAutoCheckBox = 0x3;      // BS_AUTOCHECKBOX
constexpr uint32_t kAutoRadioButton = 0x9;   // BS_AUTORADIOBUTTON
constexpr uint32_t kPushLike = 0x1000;       // BS_PUSHLIKE
constexpr uint32_t kClientEdge = 0x200;      // WS_EX_CLIENTEDGE
constexpr uint32_t kToolWindow = 0x80;       // WS_EX_TOOLWINDOW

struct TypeRow {
    const char* type;
    const char* className;
    uint32_t addedStyle;
    uint32_t exStyle;
};

constexpr TypeRow kTypes[] = {
    {"CHECKBOX", "BUTTON", kAutoCheckBox, 0},
    {"CHECKBOX_BTNSTYLE", "BUTTON", kPushLike | kAutoCheckBox, 0},
    {"OPTION", "BUTTON", kAutoRadioButton, 0},
    {"OPTION_BTNSTYLE", "BUTTON", kPushLike | kAutoRadioButton, 0},
    {"LABEL", "STATIC", 0, 0},
    {"EDIT", "EDIT", 0, kClientEdge | kToolWindow},
};

} // namespace

ControlWindowKind ControlWindowKindOf(const std::string& type) {
    for (const TypeRow& row : kTypes) {
        if (type == row.type)
            return {row.className, kControlBaseStyle | row.addedStyle, row.exStyle};
    }
    return {type, kControlBaseStyle, 0};
}
