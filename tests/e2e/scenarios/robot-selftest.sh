# The robot's control commands on robot_target.exe: check box, edit field
# (set and typed), the enable state of Next, list view rows and their check
# boxes, a screen pixel; the target prints what it was left with.
PROGRAM=robot_target.exe

robot_script() {
    cat <<'ROBOT'
wait-process robot_target.exe
wait-window class=ROBOT_TARGET title="Robot target"
children
expect-state id=103 enabled=0 visible=1
check text=Agree 1
expect-state id=101 checked=1
expect-state id=103 enabled=0
set-text id=102 "set"
expect-state id=103 enabled=1
set-text id=102 ""
expect-state id=103 enabled=0
type id=102 "typed \xE4 text"
expect-text id=102 "typed \xE4 text"
expect-state id=103 enabled=1
listview id=104
listview-check id=104 1 1
listview-check id=104 2 1
listview-check id=104 2 0
expect-pixel 390 290 0C2238
click text=Next
wait-exit
ROBOT
}

verify() {
    local out="$SCENARIO_DIR/robot.out"
    grep -qx 'row index=0 checked=0 selected=0 "Core" "1 KB"' "$out" || fail "list view rows not read"
    grep -qx 'row index=2 checked=0 selected=0 "Extras" "3 KB"' "$out" || fail "list view rows not read"
    local name_hex
    name_hex=$(printf 'typed \xe4 text' | od -An -tx1 | tr -d ' \n')
    grep -qx "agree=1 name_hex=$name_hex checked_rows=010" "$SCENARIO_DIR/program.out" ||
        fail "target ended with: $(cat "$SCENARIO_DIR/program.out")"
}
