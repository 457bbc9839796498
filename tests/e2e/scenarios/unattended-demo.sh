# The demo installed with /VERYSILENT, /DIR= (with blanks, quoted by Wine),
# /SECTIONS= and /LOG=: no window of setup.exe ever becomes visible, the
# optional section asked for is installed, the log tells the run step by step,
# and the uninstall entry holds the values deployment tools read. Then the
# entry's QuietUninstallString removes it all without a window: after the
# self-removal and a restart the prefix holds what it held before, apart from
# the two logs.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=120
APP='Tarvane Demo'
PROGRAM_ARGS=(-verysilent '/DIR=C:\Tarvane Demo' '/Sections="Extras"' '/LOG=C:\setup log.txt' /NORESTART)

prepare() {
    cp -r "$E2E_LIB/../../../examples/demo/." "$MEDIUM/"
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    printf 'timeout 30000\nwait-process setup.exe\nabsent-until-exit\n'
}

expect_in_log() {
    grep -q -F -- "$2" "$1" || fail "$(basename "$1") lacks: $2"
}

verify() {
    local dir="$WINEPREFIX/drive_c/Tarvane Demo" log="$WINEPREFIX/drive_c/setup log.txt" quiet exe
    [ -f "$dir/Changes.txt" ] || fail "the section Extras was not installed"
    [ -f "$dir/Sample.dat" ] || fail "the must-install section Samples was not installed"
    expect_in_log "$log" 'Command line: '
    expect_in_log "$log" 'Page DIALOG_WELCOME passed silently'
    expect_in_log "$log" 'Destination: C:\Tarvane Demo\ (/DIR)'
    expect_in_log "$log" 'Sections: Program (must install), Samples (must install), Extras (/SECTIONS)'
    expect_in_log "$log" 'Page DIALOG_COPY: copying, not shown'
    expect_in_log "$log" 'Changes.txt: 0, installed'
    expect_in_log "$log" 'has been installed in C:\Tarvane Demo\. -> OK (silent answer)'
    expect_in_log "$log" 'exit code 0 (success)'
    grep -q -E '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:.]{12}  Line [0-9]+: SetAppName' "$log" || fail "no time-stamped statement line"

    quiet=$(uninstall_value "$APP" QuietUninstallString)
    [ "$quiet" = '"C:\Tarvane Demo\TAUninstall.exe" /VERYSILENT' ] || fail "QuietUninstallString $quiet"
    expect_uninstall_value "$APP" InstallLocation 'C:\Tarvane Demo\'
    expect_uninstall_value "$APP" Publisher Tarvane
    run_wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$APP" 2>/dev/null | tr -d '\r' |
        grep -E -c '^ *(NoModify|NoRepair) +REG_DWORD +0x1$' | grep -q 2 || fail "NoModify and NoRepair are not 1"
    expect_uninstall_value "$APP" InstallDate "$(date +%Y%m%d)"

    # As a deployment tool runs it: the command as written in the entry.
    [[ $quiet =~ ^\"(.*)\"\ (/VERYSILENT)$ ]] || return
    printf 'timeout 30000\nwait-process TAUninstall.exe\nabsent-until-exit\n' >"$SCENARIO_DIR/remove.robot"
    run_wine "$BUILD_DIR/robot.exe" "$(scenario_path remove.robot)" >"$SCENARIO_DIR/remove.out" 2>&1 &
    local robot=$!
    run_wine "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" >/dev/null 2>&1
    local status=$?
    wait "$robot" || fail "a window of the silent uninstallation: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/remove.out")"
    [ "$status" -eq 0 ] || fail "silent uninstallation: exit code $status"
    after_removal "$dir" || fail "the self-removal left $(ls "$dir" | tr '\n' ' ')"
    snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}" \
        '^file \./setup log\.txt=the log the administrator asked for' \
        '/Tarvane Setup Log [0-9-]+ #[0-9]+\.txt=the silent uninstallation log' \
        >"$SCENARIO_DIR/comparison.txt" || fail "residue: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 5)"
}
