# A bundle reads its command line as setup.exe does and passes it on intact.
# '/DIR=C:\X" -VERYSILENT' (typed /DIR="C:\X\" -VERYSILENT: the backslash
# escapes the quote) is one argument, a folder and no silent switch: setup.exe
# runs interactively and installs there, and a truncated bundle given it
# shows its box. With /VERYSILENT and a relative /LOG the bundle shows no
# window and its log lies in the folder it was started in, named in full; a
# truncated bundle with /quiet and with /passive ends with 1603 at once (no
# box waits) and says why in the log asked for, relative to the folder it was
# started from. A script without shortcuts makes no program group folder.
source "$E2E_LIB/bundle.sh"
TIME_LIMIT=120
PROGRAM=Demo.exe
ESCAPED='/DIR=C:\X" -VERYSILENT'
PROGRAM_ARGS=("$ESCAPED")

prepare() {
    mkdir -p "$SCENARIO_DIR/small/files" "$SCENARIO_DIR/elsewhere"
    printf 'read me' >"$SCENARIO_DIR/small/files/ReadMe.txt"
    printf '%s' 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\ReadMe.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowDest()
ShowMessage("Destination: [DP]", "Where", "", "NOW")
ShowCopy()
' >"$SCENARIO_DIR/small/SetupScript.ini"
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/small"
    head -c $(($(stat -c %s "$MEDIUM/$PROGRAM") - 1000)) "$MEDIUM/$PROGRAM" >"$MEDIUM/truncated.exe"
}

robot_script() {
    cat <<'ROBOT'
timeout 60000
wait-process setup.exe
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\X -VERYSILENT\\"
click id=1017
wait-window class=#32770 title=Where
expect-text id=0xFFFF "Destination: C:\\X -VERYSILENT\\"
click text=OK
wait-exit
ROBOT
}

# expect_log_line FILE TEXT: FILE exists and holds TEXT.
expect_log_line() {
    [ -f "$1" ] || { fail "no log $(basename "$1")"; return; }
    grep -q -F "$2" "$1" || fail "$(basename "$1") lacks \"$2\": $(tr -d '\r' <"$1" | tail -n 3 | tr '\n' '|')"
}

# The truncated bundle with the escaped argument: its box, answered.
truncated_shows_its_box() {
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
}

verify() {
    local elsewhere="$SCENARIO_DIR/elsewhere" mode
    [ "$(cat "$WINEPREFIX/drive_c/X -VERYSILENT/ReadMe.txt" 2>/dev/null)" = 'read me' ] ||
        fail "ReadMe.txt is not in C:\\X -VERYSILENT"
    truncated_shows_its_box

    run_quietly "$MEDIUM" "$MEDIUM/$PROGRAM" 0 /VERYSILENT /LOG=inst.log
    # The first run's installation is recognised: the quiet run goes over it.
    expect_log_line "$MEDIUM/inst.log" "Destination: C:\\X -VERYSILENT\\ (the earlier installation's folder)"
    expect_log_line "$MEDIUM/inst.log" 'ReadMe.txt: 0, installed'
    [ ! -e "$(programs_folder)/Demo" ] || fail "an empty program group was made"
    expect_log_line "$MEDIUM/inst.log" "/LOG=$(medium_windows_path)\\inst.log"
    expect_log_line "$MEDIUM/inst.log" 'End: completed, restart needed: no, exit code 0 (success)'
    for mode in quiet passive; do
        run_quietly "$elsewhere" "$MEDIUM/truncated.exe" 1603 "/$mode" "/LOG=$mode.log"
        expect_log_line "$elsewhere/$mode.log" 'This setup program is damaged'
        expect_log_line "$elsewhere/$mode.log" 'End: failed, exit code 1603 (failed)'
        [ ! -e "$MEDIUM/$mode.log" ] || fail "/$mode: the log went beside the bundle"
    done
    end_prefix "$WINEPREFIX"
    expect_no_extraction_folder
}
