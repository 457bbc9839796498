# An argument in which a backslash escapes a quote is one argument to the C
# runtime: typed as /DIR="C:\X\" -VERYSILENT it is '/DIR=C:\X" -VERYSILENT',
# a folder (the quote is dropped) and no silent switch.
# The bundle and setup.exe read it alike: setup.exe runs interactively with
# that folder, and a truncated bundle given the same argument shows its box
# (a loader that took the -VERYSILENT inside it would have stayed mute).
source "$E2E_LIB/bundle.sh"
TIME_LIMIT=90
PROGRAM=Demo.exe
ESCAPED='/DIR=C:\X" -VERYSILENT'
PROGRAM_ARGS=("$ESCAPED")

prepare() {
    mkdir -p "$SCENARIO_DIR/small"
    printf '%s' 'ShowMessage("Destination: [DP]", "Where", "", "NOW")
' >"$SCENARIO_DIR/small/SetupScript.ini"
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/small"
    head -c $(($(stat -c %s "$MEDIUM/$PROGRAM") - 1000)) "$MEDIUM/$PROGRAM" >"$MEDIUM/truncated.exe"
}

robot_script() {
    cat <<'ROBOT'
timeout 60000
wait-process setup.exe
wait-window class=#32770 title=Where
expect-text id=0xFFFF "Destination: C:\\X -VERYSILENT\\"
click text=OK
wait-exit
ROBOT
}

verify() {
    local robot program
    printf 'timeout 60000\nwait-process truncated.exe\nwait-window class=#32770 title=Setup\nclick text=OK\nwait-exit\n' \
        >"$SCENARIO_DIR/truncated.robot"
    run_wine "$BUILD_DIR/robot.exe" "$(scenario_path truncated.robot)" >"$SCENARIO_DIR/truncated.out" 2>&1 &
    robot=$!
    (cd "$MEDIUM" && exec "${WINE_LOCALE[@]}" wine truncated.exe "$ESCAPED") >"$SCENARIO_DIR/truncated.program.out" 2>&1 &
    program=$!
    wait_until 60 none_running "$robot" "$program" || fail "the truncated bundle did not end"
    wait "$robot" || fail "truncated: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/truncated.out")"
    wait "$program"
    [ $? -eq $((1603 & 255)) ] || fail "the truncated bundle did not end with 1603"
    end_prefix "$WINEPREFIX"
    expect_no_extraction_folder
}
