# The bundle reads its command line as setup.exe does. With /VERYSILENT and
# a relative /LOG it shows no window and its log lies in the folder it was
# started in, named in full. A truncated bundle with /quiet and with /passive
# ends with 1603 at once (no box waits) and says why in the log asked for,
# relative to the folder it was started from, not to the bundle's. A script
# without shortcuts makes no program group folder.
source "$E2E_LIB/bundle.sh"
TIME_LIMIT=90
PROGRAM=Demo.exe
PROGRAM_ARGS=(/VERYSILENT /LOG=inst.log)

prepare() {
    mkdir -p "$SCENARIO_DIR/small/files" "$SCENARIO_DIR/elsewhere"
    printf 'read me' >"$SCENARIO_DIR/small/files/ReadMe.txt"
    printf '%s' 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\ReadMe.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowCopy()
' >"$SCENARIO_DIR/small/SetupScript.ini"
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/small"
    head -c $(($(stat -c %s "$MEDIUM/$PROGRAM") - 1000)) "$MEDIUM/$PROGRAM" >"$MEDIUM/truncated.exe"
}

robot_script() {
    cat <<'ROBOT'
timeout 60000
wait-process setup.exe
absent-until-exit
ROBOT
}

# expect_log_line FILE TEXT: FILE exists and holds TEXT.
expect_log_line() {
    [ -f "$1" ] || { fail "no log $(basename "$1")"; return; }
    grep -q -F "$2" "$1" || fail "$(basename "$1") lacks \"$2\": $(tr -d '\r' <"$1" | tail -n 3 | tr '\n' '|')"
}

verify() {
    local elsewhere="$SCENARIO_DIR/elsewhere" mode
    [ "$(cat "$(demo_dir)/ReadMe.txt" 2>/dev/null)" = 'read me' ] || fail "ReadMe.txt was not installed"
    # No shortcut in the script: no program group folder either.
    [ ! -e "$(programs_folder)/Demo" ] || fail "an empty program group was made"
    expect_log_line "$MEDIUM/inst.log" "/LOG=$(windows_path "$MEDIUM" | tr / '\\')\\inst.log"
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
