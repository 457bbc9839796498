# A CHECKBOX named agree with the rule VALUE 1: Next is disabled until the
# box is checked and disabled again when it is unchecked.

prepare() {
    write_script 'SetWelcomeString("Please agree.", "Agree first")
AddWindow("DIALOG_WELCOME", "agree", "CHECKBOX", "I agree", "0", "203", "214", "475", "232")
SetNextDynamicState("DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "1")
ShowWelcome()
ShowMessage("Agreed", "Done", "", "NOW")
'
}

robot_script() {
    robot_start "Agree first"
    cat <<'ROBOT'
expect-state id=1017 enabled=0
mouse-click text="I agree"
expect-state text="I agree" checked=1
expect-state id=1017 enabled=1
mouse-click text="I agree"
expect-state text="I agree" checked=0
expect-state id=1017 enabled=0
check text="I agree" 1
expect-state id=1017 enabled=1
ROBOT
    robot_next_end Done
}
