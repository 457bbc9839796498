# A rule for the destination page has no effect on the welcome page, and
# holds on the destination page. Without an application name or a caption
# the destination page keeps the title of its template.

prepare() {
    write_script 'SetWelcomeString("", "Welcome page")
AddWindow("DIALOG_DEST", "sure", "CHECKBOX", "I am sure", "0", "10", "240", "170", "258")
SetNextDynamicState("DIALOG_DEST", "CONTROL", "sure", "VALUE", "1")
ShowWelcome()
ShowDest()
ShowMessage("Both pages done", "Done", "", "NOW")
'
}

robot_script() {
    robot_start "Welcome page"
    cat <<'ROBOT'
set-enabled id=1017 0
expect-state id=1017 enabled=1
click id=1017
wait-gone
wait-window class=#32770 title="Welcome to Orlisk 1.0"
expect-state id=1017 enabled=0
check text="I am sure" 1
expect-state id=1017 enabled=1
ROBOT
    robot_next_end Done
}
