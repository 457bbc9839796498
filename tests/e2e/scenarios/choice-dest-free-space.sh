# The destination page keeps Next disabled while the path is shorter than
# three characters and shows the free space of the path's drive in kb: 0 kb
# for an empty field (also when it opens with DP empty), "C:", a network path
# and a missing drive (typed); for "C:\" the space the system reports for C.

prepare() {
    write_script 'SetAppName("Demo")
SetVariable("DP", "")
ShowDest()
ShowMessage("<[DP]>", "dp", "", "NOW")
'
}

# The Next button follows the path within one tick of its 50 ms timer; the
# waits allow a loaded machine a second.
robot_script() {
    robot_start "Demo Setup"
    cat <<'ROBOT'
expect-text id=1011 ""
timeout 1000
expect-text id=1013 "0 kb"
expect-state id=1017 enabled=0
set-enabled id=1017 1
expect-state id=1017 enabled=0
set-text id=1011 "C:\\"
expect-state id=1017 enabled=1
text id=1013
free-space "C:\\"
set-text id=1011 "C:"
expect-text id=1013 "0 kb"
expect-state id=1017 enabled=0
set-text id=1011 "\\\\server\\share"
expect-text id=1013 "0 kb"
expect-state id=1017 enabled=1
set-text id=1011 ""
expect-state id=1017 enabled=0
type id=1011 "Q:\\Nowherex"
expect-text id=1011 "Q:\\Nowherex"
expect-text id=1013 "0 kb"
expect-state id=1017 enabled=1
timeout 15000
ROBOT
    robot_next_end dp '<Q:\Nowherex>'
}

verify() {
    local shown reported
    shown=$(grep -m 1 '^text "[0-9]* kb"' "$SCENARIO_DIR/robot.out" | sed 's/^text "\([0-9]*\) kb"/\1/')
    reported=$(sed -n 's/^free root=.* kb=\([0-9]*\)$/\1/p' "$SCENARIO_DIR/robot.out")
    if [ -z "$shown" ] || [ -z "$reported" ]; then
        fail "free space not read (shown '$shown', reported '$reported')"
        return
    fi
    # Other programs write to the disk meanwhile: allow 128 MiB either way.
    local difference=$((shown - reported))
    ((difference < 0)) && difference=$((-difference))
    ((shown > 0 && difference <= 131072)) || fail "page shows $shown kb, the system reports $reported kb"
}
