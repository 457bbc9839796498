# Runs one scenario file: a fresh prefix and medium, the program and the
# robot side by side, then the checks. Needs BUILD_DIR, OUT_DIR, TEMPLATE,
# SCREENSHOT_DIR and the other lib files.
#
# A scenario file may set or define:
#   PROGRAM        executable started in the medium (default setup.exe)
#   PROGRAM_ARGS   array of its command-line arguments (default none)
#   EXPECTED_EXIT  its exit code, 0..255 (default 0; -6 is 250), or "any"
#                  for a program the robot kills (Wine reports 0 or 1)
#   TIME_LIMIT     seconds for program and robot together (default 60)
#   prepare        fills $MEDIUM (the current directory of the program) and
#                  changes the prefix $WINEPREFIX
#   robot_script   prints the robot's command lines (tests/e2e/README.md)
#   verify         extra checks after the run; reports problems with fail

# Reasons for failure of the current scenario, one a line.
FAILURES=()
fail() { FAILURES+=("$*"); }

write_script() { printf '%s' "$1" >"$MEDIUM/SetupScript.ini"; }

# A file of exactly SIZE bytes in the prefix's Windows directory.
put_windows_file() {
    head -c "$2" /dev/zero >"$WINEPREFIX/drive_c/windows/$1"
}

# The robot's window for a path of this scenario's directory.
scenario_path() { windows_path "$SCENARIO_DIR/$1"; }

# save_screenshot BMP NAME: converts the robot's bitmap into
# $SCREENSHOT_DIR/NAME.png and prints the PNG's path.
save_screenshot() {
    local png="$SCREENSHOT_DIR/$2.png"
    mkdir -p "$SCREENSHOT_DIR"
    convert "$SCENARIO_DIR/$1" "$png" && echo "$png"
}

start_robot() {
    robot_script >"$SCENARIO_DIR/robot.txt"
    run_wine "$BUILD_DIR/robot.exe" "$(scenario_path robot.txt)" \
        >"$SCENARIO_DIR/robot.out" 2>"$SCENARIO_DIR/robot.err" &
    ROBOT_PID=$!
}

start_program() {
    # A program that prepare put in the medium (a bundle) is started as it is.
    [ -f "$MEDIUM/$PROGRAM" ] || cp "$BUILD_DIR/$PROGRAM" "$MEDIUM/"
    (cd "$MEDIUM" && exec "${WINE_LOCALE[@]}" wine "$PROGRAM" "${PROGRAM_ARGS[@]}") \
        >"$SCENARIO_DIR/program.out" 2>"$SCENARIO_DIR/program.err" &
    PROGRAM_PID=$!
}

robot_failed() {
    ! kill -0 "$ROBOT_PID" 2>/dev/null && grep -qE '^(fail|error) ' "$SCENARIO_DIR/robot.out"
}

# Both have ended, or the robot gave up and the program would wait in vain.
settled() {
    robot_failed || none_running "$PROGRAM_PID" "$ROBOT_PID"
}

# Waits within the time limit; ends the prefix's processes after.
finish_processes() {
    if ! wait_until "$TIME_LIMIT" settled; then
        fail "still running after ${TIME_LIMIT}s"
    fi
    end_prefix "$WINEPREFIX"
    wait "$PROGRAM_PID"
    PROGRAM_EXIT=$?
    wait "$ROBOT_PID"
    ROBOT_EXIT=$?
}

check_results() {
    if [ "$EXPECTED_EXIT" != any ] && [ "$PROGRAM_EXIT" -ne "$EXPECTED_EXIT" ]; then
        fail "exit code $PROGRAM_EXIT, expected $EXPECTED_EXIT"
    fi
    if [ "$ROBOT_EXIT" -ne 0 ]; then
        fail "robot: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/robot.out" | head -n 1)"
    fi
    if grep -q '^wine: Unhandled' "$SCENARIO_DIR/program.err"; then
        fail "crashed: $(grep -m 1 '^wine: Unhandled' "$SCENARIO_DIR/program.err")"
    fi
}

# run_scenario FILE: prints "PASS name" or "FAIL name: reasons"; returns 1 on failure.
run_scenario() {
    local file=$1 name
    name=$(basename "$file" .sh)
    SCENARIO_DIR="$OUT_DIR/$name"
    MEDIUM="$SCENARIO_DIR/medium"
    export WINEPREFIX="$SCENARIO_DIR/prefix"
    rm -rf "$SCENARIO_DIR"
    mkdir -p "$MEDIUM"
    copy_prefix "$TEMPLATE" "$WINEPREFIX"

    PROGRAM=setup.exe EXPECTED_EXIT=0 TIME_LIMIT=60 PROGRAM_ARGS=()
    prepare() { :; }
    robot_script() { :; }
    verify() { :; }
    # shellcheck source=/dev/null
    source "$file"

    prepare
    start_robot
    start_program
    finish_processes
    check_results
    verify

    # A prefix takes over half a gigabyte; keep it only when asked to.
    [ -n "${E2E_KEEP_PREFIX:-}" ] || rm -rf "$WINEPREFIX"
    if ((${#FAILURES[@]} == 0)); then
        echo "PASS $name"
        return 0
    fi
    echo "FAIL $name: $(printf '%s; ' "${FAILURES[@]}")(logs in $SCENARIO_DIR)"
    return 1
}
