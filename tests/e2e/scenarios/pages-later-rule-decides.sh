# Two rules for one page with different outcomes: the later one in the
# script decides.
source "$E2E_LIB/pages.sh"

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
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Two rules"
expect-state id=1017 enabled=0
check text="I agree" 1
set-enabled id=1017 1
expect-state id=1017 enabled=0
set-text text="type here" go
expect-state id=1017 enabled=1
check text="I agree" 0
set-enabled id=1017 0
expect-state id=1017 enabled=1
click id=1017
wait-window class=#32770 title=Done
click text=OK
wait-exit
ROBOT
}
