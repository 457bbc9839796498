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
    robot_start "Demo Setup"
    cat <<'ROBOT'
expect-state id=1024 visible=0
expect-state id=1025 visible=0
expect-text id=1011 ""
keys DOWN UP SPACE END HOME PAGEDOWN E
mouse-click id=1009
listview id=1009
expect-state id=1025 visible=0
ROBOT
    robot_next_end after
}

verify() {
    ! grep -q '^row ' "$SCENARIO_DIR/robot.out" || fail "the empty list shows rows"
}
