// The Next-button rules of SetNextDynamicState: whether Next of the open
// page is enabled, decided from the kept statements, the script-defined
// controls, the variables and NextAllowed.
#pragma once
#include <cstddef>
#include <string>

#include "script/SetupState.h"

// A TEXT rule compares at most this many characters of the control's text.
constexpr size_t kRuleTextLimit = 1023;

// What the controls of the open page show. Only called with controls that
// have a window; a control without one reads as unchecked and empty.
class ControlStateReader {
public:
    virtual ~ControlStateReader() = default;
    // 0 unchecked, 1 checked, 2 indeterminate (BM_GETCHECK).
    virtual int CheckState(WindowHandle control) const = 0;
    // The window text, at most kRuleTextLimit characters.
    virtual std::string Text(WindowHandle control) const = 0;
};

// The state Next of the page named CurrentPageName ends up in: disabled
// while NextAllowed is 0; otherwise enabled unless a rule for this page says
// otherwise, where every applicable rule sets the state again so the last
// one in script order decides. VARIABLE rules read variables through the
// table (get-or-create), hence the non-const state.
bool NextButtonEnabled(SetupState& state, const ControlStateReader& reader);
