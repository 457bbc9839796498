# The sections page with A and D to be installed, B, C and E optional: the
# marks, the comment and the check box follow clicks, the arrow keys, Space
# and the check box as the page defines them; Home, End, Page Up and Page
# Down do nothing; column 1 shows each section's size in bytes; the copy run
# then installs exactly the chosen sections.

# put_medium_file NAME SIZE: a source file of SIZE bytes in the medium.
put_medium_file() {
    mkdir -p "$MEDIUM/files"
    head -c "$2" /dev/zero | tr '\0' x >"$MEDIUM/files/$1"
}

prepare() {
    put_medium_file a.bin 10
    put_medium_file b1.bin 1000
    put_medium_file b2.bin 500
    put_medium_file c.bin 7
    put_medium_file d.bin 3
    write_script 'SetAppName("Demo")
CreateSection("A", "1", "0", "Comment A")
CreateSection("B", "0", "0", "Comment B")
CreateSection("C", "0", "0", "Comment C")
CreateSection("D", "1", "0", "Comment D")
CreateSection("E", "0", "0", "Comment E")
AddFile("[SP]\files\a.bin", "[DP]a.bin", "A", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\b1.bin", "[DP]b1.bin", "B", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\c.bin", "[DP]c.bin", "C", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\d.bin", "[DP]d.bin", "D", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\b2.bin", "[DP]b2.bin", "B", "0", "1", "0", "0", "0", "0", "")
ShowSections()
ShowCopy()
ShowMessage("done", "done", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    cat <<'ROBOT'
# Opening: the must-install rows selected, row 0 current with its details.
expect-row id=1009 0 focused=1 selected=1
expect-row id=1009 1 focused=0 selected=0
expect-row id=1009 3 focused=0 selected=1
expect-row id=1009 4 selected=0
expect-text id=1011 "Comment A"
expect-state id=1024 visible=1
expect-state id=1025 visible=0
listview id=1009
# The list has the keyboard focus from the start.
keys DOWN
expect-row id=1009 1 focused=1 selected=0
expect-text id=1011 "Comment B"
keys UP
expect-row id=1009 0 focused=1 selected=1
# A click selects an optional row, a second one deselects it and the focus
# goes to the last must-install row.
listview-click id=1009 1
expect-row id=1009 1 focused=1 selected=1 cut=1
expect-text id=1011 "Comment B"
expect-state id=1025 visible=1 checked=1
expect-state id=1024 visible=0
listview-click id=1009 1
expect-row id=1009 1 focused=0 selected=0 cut=0
expect-row id=1009 3 focused=1 selected=1
expect-state id=1025 checked=0
expect-row id=1009 0 selected=1
# A must-install row stays selected when clicked.
listview-click id=1009 0
expect-row id=1009 0 focused=1 selected=1
expect-text id=1011 "Comment A"
expect-state id=1024 visible=1
expect-state id=1025 visible=0
# Up at row 0 stays there; Down at the last row stays there; no marks change.
keys UP DOWN
expect-row id=1009 1 focused=1 selected=0
expect-text id=1011 "Comment B"
keys DOWN DOWN DOWN DOWN UP
expect-row id=1009 3 focused=1 selected=1
expect-text id=1011 "Comment D"
expect-state id=1024 visible=1
keys LEFT RIGHT UP UP
expect-row id=1009 1 focused=1 selected=0
# Space toggles the current optional row, which stays current.
keys SPACE
expect-row id=1009 1 focused=1 selected=1
expect-state id=1025 checked=1
keys SPACE
expect-row id=1009 1 focused=1 selected=0
expect-state id=1025 checked=0
# Home, End, Page Up and Page Down do nothing: the Down after them moves one row.
keys HOME END PAGEUP PAGEDOWN DOWN
expect-row id=1009 2 focused=1 selected=0
expect-row id=1009 0 selected=1
expect-row id=1009 1 selected=0
expect-row id=1009 3 selected=1
expect-row id=1009 4 selected=0
expect-text id=1011 "Comment C"
# Typed letters do nothing either (no search for a row by its first letter).
keys E DOWN
expect-row id=1009 3 focused=1
expect-row id=1009 4 selected=0
expect-row id=1009 0 selected=1
keys UP
expect-row id=1009 2 focused=1
# The check box chooses and unchooses the current row.
check id=1025 1
expect-row id=1009 2 focused=1 selected=1
check id=1025 0
expect-row id=1009 2 focused=1 selected=0
# Choose B for the copy run.
listview-click id=1009 1
expect-row id=1009 1 selected=1
listview id=1009
ROBOT
    robot_next_end done
}

verify() {
    local out="$SCENARIO_DIR/robot.out" dir="$WINEPREFIX/drive_c/Program Files/Demo" name
    local sizes='row index=0 checked=-1 selected=1 "A" "10"
row index=1 checked=-1 selected=0 "B" "1500"
row index=2 checked=-1 selected=0 "C" "7"
row index=3 checked=-1 selected=1 "D" "3"
row index=4 checked=-1 selected=0 "E" "0"'
    [ "$(grep -m 5 '^row ' "$out")" = "$sizes" ] || fail "list at opening: $(grep -m 5 '^row ' "$out" | tr '\n' '|')"
    for name in a.bin b1.bin b2.bin d.bin; do
        [ -f "$dir/$name" ] || fail "$name of a chosen section not installed"
    done
    [ ! -e "$dir/c.bin" ] || fail "c.bin of the unchosen section C installed"
}
