#include "pages/NextRules.h"

#include "script/Numbers.h"

namespace {

constexpr size_t kRuleArgumentCount = 5;

// A CONTROL rule for one control; no value for a test that is neither
// "VALUE" nor "TEXT", which has no effect.
enum class ControlRuleOutcome { Holds, Fails, NoEffect };

ControlRuleOutcome ApplyControlRule(const std::vector<std::string>& args, const DynamicControl& control,
                                    const ControlStateReader& reader) {
    const std::string& test = args[3];
    const std::string& expected = args[4];
    if (test == "VALUE") {
        const int checked = control.Window ? reader.CheckState(control.Window) : 0;
        return checked == ReadNumber(expected) ? ControlRuleOutcome::Holds : ControlRuleOutcome::Fails;
    }
    if (test == "TEXT") {
        const std::string text = control.Window ? reader.Text(control.Window) : std::string();
        return text == expected ? ControlRuleOutcome::Holds : ControlRuleOutcome::Fails;
    }
    return ControlRuleOutcome::NoEffect;
}

} // namespace

bool NextButtonEnabled(SetupState& state, const ControlStateReader& reader) {
    if (state.NextAllowed != 1)
        return false;
    bool enabled = true;
    for (const ScriptStatement& rule : state.PageCommands) {
        const std::vector<std::string>& args = rule.Arguments;
        if (rule.Name != "SetNextDynamicState" || args.size() != kRuleArgumentCount ||
            args[0] != state.CurrentPageName)
            continue;
        if (args[1] == "CONTROL") {
            // Matched by name alone: a control of another page reads as
            // unchecked and empty, since it has no window now.
            for (const DynamicControl& control : state.Controls) {
                if (control.Name != args[2])
                    continue;
                const ControlRuleOutcome outcome = ApplyControlRule(args, control, reader);
                if (outcome != ControlRuleOutcome::NoEffect)
                    enabled = outcome == ControlRuleOutcome::Holds;
            }
        } else if (args[1] == "VARIABLE") {
            enabled = state.Variables.Get(args[2]) == args[3];
        }
    }
    return enabled;
}
