# A sections page without sections: neither "Section must be installed" nor
# "Install section" is shown, keys and clicks in the empty list change
# nothing and do not crash, and Next goes on.

prepare() {
    write_script 'SetAppName("Demo")
ShowSections()
ShowMessage("after", "after", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Demo Setup"
expect-state id=1024 visible=0
expect-state id=1025 visible=0
expect-text id=1011 ""
keys DOWN UP SPACE END HOME PAGEDOWN E
mouse-click id=1009
listview id=1009
expect-state id=1025 visible=0
click id=1017
wait-window class=#32770 title=after
click text=OK
wait-exit
ROBOT
}

verify() {
    ! grep -q '^row ' "$SCENARIO_DIR/robot.out" || fail "the empty list shows rows"
}
