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
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Demo Setup"
expect-state id=1029 checked=0
set-text id=1011 "C:\\Missing Dir"
click id=1017
wait-window class=#32770 title=first
expect-text id=0xFFFF "<C:\\Missing Dir>"
click text=OK
wait-window class=#32770 title="Demo Setup"
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
wait-window class=#32770 title=second
expect-text id=0xFFFF "<C:\\Missing Dir>"
click text=OK
wait-window class=#32770 title="Demo Setup"
check id=1029 1
set-text id=1011 "C:\\windows\\win.ini"
click id=1017
wait-window class=#32770 title=third
expect-text id=0xFFFF "<C:\\windows\\win.ini>"
click text=OK
wait-exit
ROBOT
}

verify() {
    [ ! -e "$WINEPREFIX/drive_c/Missing Dir" ] || fail "the page created the directory"
}
