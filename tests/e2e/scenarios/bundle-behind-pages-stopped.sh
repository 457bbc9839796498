# Stops during the unpacking behind the pages leave nothing. The loader
# killed while the quiet copy run waits for a file: setup.exe learns that
# the file will never come, says so in its log, undoes the run and removes
# the loader's folder (itself at the next restart). Then
# setup.exe killed while the loader still unpacks: the loader stops, removes
# its folder and ends, and the next start undoes the killed run.
source "$E2E_LIB/bundle.sh"
source "$E2E_LIB/undo.sh" # start_again_after_kill
TIME_LIMIT=120
PROGRAM=Stopped.exe
PROGRAM_ARGS=(/VERYSILENT '/LOG=C:\stopped.log')
# The robot ends the loader with exit code 1; Wine reports 1 or 0 for it,
# by the moment of the kill.
EXPECTED_EXIT=any

prepare() {
    make_behind_medium "$SCENARIO_DIR/stopped" 6
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/stopped"
    slow_unpack 3000
}

# stop_robot PROCESS: waits until the copy run has installed the first file
# and waits for the next, then kills PROCESS, then waits for setup.exe.
stop_robot() {
    printf '%s\n' 'timeout 60000' 'wait-process setup.exe' \
        "wait-file $(robot_word 'C:\Program Files\Demo\a-first.txt')" "wait-process $1" terminate
    [ "$1" = setup.exe ] || echo 'wait-process setup.exe'
    echo wait-exit
}

robot_script() { stop_robot "$PROGRAM"; }

# The bundle again, setup.exe killed this time; the loader must end by itself.
kill_setup_during_unpack() {
    stop_robot setup.exe >"$SCENARIO_DIR/second-kill.robot"
    run_wine "$BUILD_DIR/robot.exe" "$(scenario_path second-kill.robot)" >"$SCENARIO_DIR/second-kill.out" 2>&1 &
    local robot=$!
    (cd "$MEDIUM" && exec "${WINE_LOCALE[@]}" wine "$PROGRAM" /VERYSILENT) >"$SCENARIO_DIR/second-kill.program.out" 2>&1 &
    local program=$!
    wait_until 60 none_running "$robot" || fail "the second robot did not end"
    wait "$robot" || fail "second kill: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/second-kill.out")"
    # Five files of 3 s each were still to come: a loader that went on
    # unpacking would still run.
    wait_until 8 none_running "$program" || fail "the loader did not end when setup.exe was killed"
    expect_no_extraction_folder
}

verify() {
    local log="$WINEPREFIX/drive_c/stopped.log"
    grep -q 'Setup cannot read .*\\files\\big1.bin: the setup program it came from could not unpack it' "$log" ||
        fail "no word of the lost file: $(tr -d '\r' <"$log" | tail -n 3)"
    [ ! -e "$(demo_dir)" ] || fail "left installed: $(ls "$(demo_dir)")"
    run_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Demo' >/dev/null 2>&1 &&
        fail "an uninstall entry was left"
    # setup.exe removed the killed loader's folder, itself at the restart.
    simulate_restart
    expect_no_extraction_folder
    kill_setup_during_unpack
    end_prefix "$WINEPREFIX"
    start_again_after_kill
    [ ! -e "$(demo_dir)" ] || fail "left installed after the killed setup.exe: $(ls "$(demo_dir)")"
}
