# Two rules for one page with different outcomes: the later one in the
# script decides.

prepare() {
    write_script 'SetWelcomeString("", "Two rules")
AddWindow("DIALOG_WELCOME", "agree", "CHECKBOX", "I agree", "0", "203", "194", "475", "212")
AddWindow("DIALOG_WELCOME", "code", "EDIT", "type here", "0", "203", "214", "475", "234")
SetNextDynamicState("DIALOG_WELCOME", "CONTROL", "agree", "VALUE", "1")
SetNextDynamicState("DIALOG_WELCOME", "CONTROL", "code", "TEXT", "go")
ShowWelcome()
ShowMessage("Went on", "Done", "", "NOW")
'
}

robot_script() {
    robot_start "Two rules"
    cat <<'ROBOT'
expect-state id=1017 enabled=0
check text="I agree" 1
set-enabled id=1017 1
expect-state id=1017 enabled=0
set-text text="type here" go
expect-state id=1017 enabled=1
check text="I agree" 0
set-enabled id=1017 0
expect-state id=1017 enabled=1
ROBOT
    robot_next_end Done
}
