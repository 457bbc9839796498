# Version 1.0 (a.txt, b.txt, a shared library) installed into a typed
# folder; then, unattended and without /DIR: a stopped upgrade to 2.1.0 is
# undone to 1.0 byte for byte; 0.9 is refused silently (1638) and
# interactively (No, the default); 2.1.0 (a.txt, c.txt) goes into the same
# folder with one log of both versions; a repair run's destination page
# starts there without a question; 0.9 with /ALLOWDOWNGRADE goes into another
# folder; the QuietUninstallString then removes everything, in both folders.
source "$E2E_LIB/upgrade.sh"
source "$E2E_LIB/undo.sh"
TIME_LIMIT=120
APP=Demo
SHARED_PATH='C:\windows\system32\shared.dll'
RUN_LOGS='/Tarvane Setup Log [0-9-]+ #[0-9]+\.txt=the silent runs'"'"' logs'

prepare() {
    # Another program's folder: the removal takes only what is Demo's.
    mkdir -p "$WINEPREFIX/drive_c/Apps"
    printf 'other' >"$WINEPREFIX/drive_c/Apps/other.txt"
    # The library is another program's too: its count must come back to 1.
    cp "$BUILD_DIR/fixtures/ver19.dll" "$WINEPREFIX/$SYSTEM_DIR_IN_PREFIX/shared.dll"
    run_wine reg add "$SHARED_DLLS" /v "$SHARED_PATH" /t REG_DWORD /d 1 /f >/dev/null 2>&1
    end_prefix "$WINEPREFIX"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
    SHARED_DLL=ver19.dll upgrade_medium "$MEDIUM" 1.0 'a.txt=a 1.0' 'b.txt=b 1.0'
}

robot_script() {
    cat <<'ROBOT'
timeout 30000
wait-process setup.exe
wait-window class=#32770 title="Demo Setup"
set-text id=1011 "C:\\Apps\\Demo\\"
click id=1017
wait-window class=#32770 title="Program group"
click id=1017
wait-exit
ROBOT
}

# The prefix must be as it was in FILE (with bytes and times).
expect_unchanged_since() {
    end_prefix "$WINEPREFIX"
    simulate_restart
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/$2.snapshot"
    compare_snapshots "$1" "$SCENARIO_DIR/$2.snapshot" "${WINE_OWN_DIFFERENCES[@]}" "${UNDO_OWN_DIFFERENCES[@]}" \
        "$RUN_LOGS" >"$SCENARIO_DIR/$2.txt" || fail "$2: $(grep RESIDUE "$SCENARIO_DIR/$2.txt" | head -n 6)"
}

expect_version() {
    expect_uninstall_value Demo DisplayVersion "$1"
    [ "$(entry_dword VersionMajor).$(entry_dword VersionMinor)" = "$2" ] || fail "VersionMajor.Minor for $1: $(entry_dword VersionMajor).$(entry_dword VersionMinor)"
}

# Keeps a source of the stopped medium open without sharing: setup cannot read it.
hold_source() {
    run_wine "$BUILD_DIR/robot.exe" -e "hold-file $(robot_word "$(windows_path "$1")")" \
        -e 'timeout 600000' -e 'wait-process never.exe' >"$SCENARIO_DIR/holder.out" 2>&1 &
    wait_until 30 grep -qs '^held file' "$SCENARIO_DIR/holder.out" || fail "the source was not held"
}

verify() {
    local dir="$WINEPREFIX/drive_c/Apps/Demo" log
    [ "$(cat "$dir/b.txt" 2>/dev/null)" = 'b 1.0' ] || { fail "1.0 is not in the typed folder"; return; }
    expect_version 1.0 1.0
    [ "$(shared_count "$SHARED_PATH")" = 2 ] || fail "shared count after 1.0: $(shared_count "$SHARED_PATH")"
    end_prefix "$WINEPREFIX"
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/v1.snapshot"

    # Stopped after a.txt, c.txt and the library: undone to 1.0.
    local stopped="$SCENARIO_DIR/stopped"
    mkdir -p "$stopped/disk2"
    printf 'later' >"$stopped/disk2/later.txt"
    SHARED_DLL=ver20.dll EXTRA_STATEMENTS='AddFile("[SP]\disk2\later.txt", "[DP]", "Main", "0", "2", "0", "0", "0", "0", "")
' upgrade_medium "$stopped" 2.1.0 'a.txt=a 2.1' 'c.txt=c 2.1'
    hold_source "$stopped/disk2/later.txt"
    setup_from "$stopped" 1603 /VERYSILENT
    expect_unchanged_since "$SCENARIO_DIR/v1.snapshot" stopped-upgrade

    # Older than what is installed: refused silently, and by No (the default).
    local older="$SCENARIO_DIR/older"
    upgrade_medium "$older" 0.9 'a.txt=a 0.9'
    setup_from "$older" 1638 /VERYSILENT '/LOG=C:\older.txt'
    grep -q -F 'A newer version (1.0) of Demo is already installed. Install version 0.9 over it? No (no /ALLOWDOWNGRADE)' \
        "$WINEPREFIX/drive_c/older.txt" || fail "the refusal is not in the log"
    rm -f "$WINEPREFIX/drive_c/older.txt"
    printf '%s\n' 'timeout 30000' 'wait-process setup.exe' 'wait-window class=#32770 title=Setup' \
        "expect-text id=0xFFFF $(robot_word 'A newer version (1.0) of Demo is already installed. Install version 0.9 over it?')" \
        "screenshot $(scenario_path downgrade.bmp)" 'keys ENTER' 'wait-exit' >"$SCENARIO_DIR/older.robot"
    setup_answered "$older" "$SCENARIO_DIR/older.robot"
    save_screenshot downgrade.bmp downgrade-question >/dev/null || fail "no screenshot of the question"
    expect_unchanged_since "$SCENARIO_DIR/v1.snapshot" refused-downgrades

    # The upgrade itself: the same folder, one log of both versions.
    local newer="$SCENARIO_DIR/newer"
    SHARED_DLL=ver20.dll upgrade_medium "$newer" 2.1.0 'a.txt=a 2.1' 'c.txt=c 2.1'
    setup_from "$newer" 0 /VERYSILENT '/LOG=C:\upgrade.txt'
    log="$WINEPREFIX/drive_c/upgrade.txt"
    grep -q -F 'Destination: C:\Apps\Demo\ (the earlier installation'"'"'s folder)' "$log" || fail "the log does not say where the destination came from"
    grep -q -F 'Upgrade from version 1.0 to 2.1.0' "$log" || fail "the log does not name the upgrade"
    [ ! -e "$WINEPREFIX/drive_c/Program Files/Demo" ] || fail "2.1.0 went into the default folder"
    [ "$(cat "$dir/a.txt")" = 'a 2.1' ] && [ "$(cat "$dir/c.txt")" = 'c 2.1' ] && [ "$(cat "$dir/b.txt")" = 'b 1.0' ] ||
        fail "the folder does not hold 2.1.0 over 1.0: $(ls "$dir" | tr '\n' ' ')"
    expect_version 2.1.0 2.1
    [ "$(shared_count "$SHARED_PATH")" = 3 ] || fail "shared count after 2.1.0: $(shared_count "$SHARED_PATH")"
    local records
    cp "$dir/Uninstall.log" "$SCENARIO_DIR/upgraded.log"
    records=$(tr -d '\r' <"$dir/Uninstall.log")
    [ "$(grep -c -i -x '.*\\A\.TXT' <<<"$records")" = 1 ] || fail "a.txt is not recorded once: $records"
    [ "$(grep -c -i -x '.*\\B\.TXT' <<<"$records")" = 1 ] || fail "b.txt of 1.0 is not recorded: $records"
    [ "$(grep -c -i -x '.*\\C\.TXT' <<<"$records")" = 1 ] || fail "c.txt is not recorded: $records"
    [ "$(grep -c -x 'SHARED' <<<"$records")" = 2 ] || fail "the library is not recorded once per installation: $records"
    [ "$(in_log_order "$dir/Uninstall.log" "$(grep -i -x '.*\\B\.TXT' <<<"$records")" "$(grep -i -x '.*\\C\.TXT' <<<"$records")" | head -n 1)" = \
      "$(grep -i -x '.*\\B\.TXT' <<<"$records")" ] || fail "the earlier records do not come first"

    # The same version again, interactively: a repair, no question; the
    # destination page starts at the installation's folder.
    printf '%s\n' 'timeout 30000' 'wait-process setup.exe' 'wait-window class=#32770 title="Demo Setup"' \
        "expect-text id=1011 $(robot_word 'C:\Apps\Demo\')" 'click id=1018' \
        'wait-window class=#32770 title="Quit setup"' 'click text=Yes' 'wait-exit' >"$SCENARIO_DIR/repair.robot"
    setup_answered "$newer" "$SCENARIO_DIR/repair.robot"

    # An older version when the command line allows it, into another folder:
    # the log there also records the earlier folder's log.
    local moved="$WINEPREFIX/drive_c/Apps/Demo 0.9"
    setup_from "$older" 0 /VERYSILENT /ALLOWDOWNGRADE '/DIR=C:\Apps\Demo 0.9'
    expect_version 0.9 0.9
    [ "$(cat "$moved/a.txt" 2>/dev/null)" = 'a 0.9' ] || fail "0.9 is not in the folder /DIR names"
    grep -q -x -F 'C:\Apps\Demo\Uninstall.log' <(tr -d '\r' <"$moved/Uninstall.log") ||
        fail "the moved log does not record the earlier folder's log"

    # Removal as a deployment tool runs it: both versions, the folder, the
    # group, the entry and the counts go.
    local quiet
    quiet=$(uninstall_value Demo QuietUninstallString)
    [[ $quiet =~ ^\"(.*)\"\ (/VERYSILENT)$ ]] || { fail "QuietUninstallString $quiet"; return; }
    timeout 120 "${WINE_LOCALE[@]}" wine "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" >/dev/null 2>&1 ||
        fail "silent removal: exit code $?"
    after_removal "$moved" || fail "the self-removal left $(ls "$moved" | tr '\n' ' ')"
    rm -f "$log"
    snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}" \
        "$RUN_LOGS" >"$SCENARIO_DIR/comparison.txt" ||
        fail "residue: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 6)"
}
