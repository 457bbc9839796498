# A VARIABLE rule: Next follows the variable's value at each showing, with
# exact comparison ("Full" is not "full").
source "$E2E_LIB/pages.sh"

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
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="First showing"
set-enabled id=1017 0
expect-state id=1017 enabled=1
click id=1017
wait-window class=#32770 title="Second showing"
expect-state id=1017 enabled=0
click id=1018
wait-window class=#32770 title="Quit setup"
click text=Yes
absent-until-exit class=#32770 title=Never
ROBOT
}
