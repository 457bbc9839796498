# A VARIABLE rule: Next follows the variable's value at each showing, with
# exact comparison ("Full" is not "full").

prepare() {
    write_script 'SetVariable("MODE", "full")
SetNextDynamicState("DIALOG_WELCOME", "VARIABLE", "MODE", "full", "")
SetWelcomeString("", "First showing")
ShowWelcome()
SetVariable("MODE", "Full")
SetWelcomeString("", "Second showing")
ShowWelcome()
ShowMessage("Never shown", "Never", "", "NOW")
'
}

robot_script() {
    robot_start "First showing"
    cat <<'ROBOT'
set-enabled id=1017 0
expect-state id=1017 enabled=1
click id=1017
wait-window class=#32770 title="Second showing"
expect-state id=1017 enabled=0
ROBOT
    robot_quit Never
}
