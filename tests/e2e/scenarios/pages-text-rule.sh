# A TEXT rule on an EDIT: Next is enabled only while the text is exactly
# the expected one; case and a trailing blank count.

prepare() {
    write_script 'SetWelcomeString("Enter the password.", "Password")
SetWelcomeString2("Case counts.")
AddWindow("DIALOG_WELCOME", "code", "EDIT", "type here", "0", "203", "214", "475", "234")
SetNextDynamicState("DIALOG_WELCOME", "CONTROL", "code", "TEXT", "Open Sesame")
ShowWelcome()
ShowMessage("Opened", "Done", "", "NOW")
'
}

robot_script() {
    robot_start Password
    cat <<'ROBOT'
expect-state id=1017 enabled=0
set-text text="type here" "open sesame"
set-enabled id=1017 1
expect-state id=1017 enabled=0
set-text text="open sesame" "Open Sesame "
set-enabled id=1017 1
expect-state id=1017 enabled=0
set-text text="Open Sesame " ""
type text="" "Open Sesame"
expect-state id=1017 enabled=1
expect-text text="Open Sesame" "Open Sesame"
ROBOT
    robot_next_end Done
}
