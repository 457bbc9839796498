# /DIR three new levels deep (C:\Apps does not exist) and /GROUP two levels
# deep: every level is made, the files and the shortcut are where they were
# asked to go, and the removal leaves the machine as it was. Then a silent
# run into the same folder whose copy stops (a source on a disk that is not
# there): it ends with 1603, runs no statement after the copy, and its undo
# leaves the machine as it was, without the folders it made.
source "$E2E_LIB/bundle.sh" # run_quietly, and copy.sh
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=180
APP=Demo
DEEP='C:\Apps\Maker\Product'
PROGRAM_ARGS=(/VERYSILENT "/DIR=$DEEP" '/GROUP=Maker\Demo' /LOG=install.log)

# deep_statements [STOPPING_STATEMENT]: the script, with a last message that
# a stopped run must never reach.
deep_statements() {
    printf '%s' 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\TAUninstall.exe", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\app.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "1", "App")
AddFile("[SP]\files\deep.txt", "[DP]sub\deeper\", "Main", "0", "1", "0", "0", "0", "0", "")
'
    printf '%s' "${1:-}"
    printf '%s' 'ShowDest()
ShowProgramGroup()
ShowCopy()
ShowMessage("Demo has been installed", "After the copy", "", "NOW")
'
}

# deep_medium FOLDER [STOPPING_STATEMENT]
deep_medium() {
    mkdir -p "$1/files"
    printf 'app' >"$1/files/app.txt"
    printf 'deep' >"$1/files/deep.txt"
    cp "$BUILD_DIR/TAUninstall.exe" "$BUILD_DIR/setup.exe" "$1/"
    deep_statements "${2:-}" >"$1/SetupScript.ini"
}

prepare() {
    deep_medium "$MEDIUM"
    end_prefix "$WINEPREFIX"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    printf 'timeout 90000\nwait-process setup.exe\nabsent-until-exit\n'
}

verify() {
    local dir group stopped="$SCENARIO_DIR/stopped" log
    dir=$(unix_path_of "$DEEP") group="$(programs_folder)/Maker/Demo"
    [ "$(cat "$dir/sub/deeper/deep.txt" 2>/dev/null)" = deep ] || fail "deep.txt is not in $DEEP\\sub\\deeper"
    [ -f "$dir/Uninstall.log" ] || fail "no Uninstall.log in $DEEP"
    [ -f "$group/App.lnk" ] || fail "no shortcut in the group Maker\\Demo"
    grep -q -F 'Message "After the copy": Demo has been installed' "$MEDIUM/install.log" ||
        fail "the completed run did not reach its last statement"
    remove_robot "$APP" >"$SCENARIO_DIR/remove.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/remove.robot"

    deep_medium "$stopped" 'AddFile("[SP]\disk2\later.txt", "[DP]sub\", "Main", "0", "2", "0", "0", "0", "0", "")
'
    mkdir -p "$stopped/disk2"
    printf 'on disk 2' >"$stopped/disk2/later.txt"
    hold_unreadable "$stopped/disk2/later.txt" holder
    run_quietly "$stopped" setup.exe 1603 /VERYSILENT "/DIR=$DEEP" '/GROUP=Maker\Demo' /LOG=stopped.log
    log="$stopped/stopped.log"
    grep -q -F "$(disk_prompt_text 2)" "$log" || fail "the stopped run's log does not name the missing disk"
    grep -q -F 'no further statement of the script runs' "$log" || fail "the log does not say the run stopped there"
    grep -q -F 'ShowMessage' "$log" && fail "a statement after the stopped copy ran: $(grep -F ShowMessage "$log")"
    grep -q -F 'exit code 1603 (failed)' "$log" || fail "the log does not end with 1603"
    [ ! -e "$WINEPREFIX/drive_c/Apps" ] || fail "the undo left C:\\Apps: $(cd "$WINEPREFIX/drive_c" && find Apps | tr '\n' ' ')"
    expect_as_before undone
}
