# "Ask if non-existing directory should be created": unchecked, a missing
# directory is accepted at once; checked, Next asks, No keeps the page, Yes
# ends it and DP holds the text, and the page itself creates nothing. An
# existing file is accepted without a question. The box starts unchecked at
# each showing.

prepare() {
    write_script 'SetAppName("Demo")
ShowDest()
ShowMessage("<[DP]>", "first", "", "NOW")
ShowDest()
ShowMessage("<[DP]>", "second", "", "NOW")
ShowDest()
ShowMessage("<[DP]>", "third", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    cat <<'ROBOT'
expect-state id=1029 checked=0
set-text id=1011 "C:\\Missing Dir"
click id=1017
ROBOT
    robot_box first '<C:\Missing Dir>'
    robot_window "Demo Setup"
    cat <<'ROBOT'
expect-state id=1029 checked=0
check id=1029 1
set-text id=1011 "C:\\Missing Dir"
click id=1017
wait-window class=#32770 title="Directory does not exist"
expect-text id=0xFFFF "Directory does not exist, should it be created?"
click text=No
wait-gone
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\Missing Dir"
click id=1017
wait-window class=#32770 title="Directory does not exist"
click text=Yes
wait-gone
ROBOT
    robot_box second '<C:\Missing Dir>'
    robot_window "Demo Setup"
    printf '%s\n' 'check id=1029 1' 'set-text id=1011 "C:\\windows\\win.ini"'
    robot_next_end third '<C:\windows\win.ini>'
}

verify() {
    [ ! -e "$WINEPREFIX/drive_c/Missing Dir" ] || fail "the page created the directory"
}
