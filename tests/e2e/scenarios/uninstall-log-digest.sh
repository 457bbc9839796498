# The uninstall entry keeps the SHA-256 of the finished log. Installed into a
# folder typed on the destination page: a record naming a file outside it,
# added to the log afterwards, makes the removal through "wine uninstaller
# --remove" refuse and remove nothing; with the log as setup wrote it, a
# removal ended at once after it rewrote the log (a shared file's record
# left it) is finished by a second run, and the prefix is as it was.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=150
APP=Edited

prepare() {
    mkdir -p "$WINEPREFIX/drive_c/tamper"
    printf 'keep' >"$WINEPREFIX/drive_c/tamper/keep.txt"
    # Every Windows has this key, full of other programs' counts.
    run_wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs' /v 'C:\Other\other.dll' \
        /t REG_DWORD /d 1 /f >/dev/null 2>&1
    medium_file 'files/Read me.txt' 'read me'
    medium_file 'files/SHAREA.DAT' 'shared a'
    medium_file 'files/SHAREB.DAT' 'shared b'
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    write_script 'SetAppName("Edited")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\TAUninstall.exe", "[DP]\TAUninstall.exe", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\Read me.txt", "[DP]\Read me.txt", "Main", "0", "1", "0", "0", "0", "1", "Read me")
AddFile("[SP]\files\SHAREA.DAT", "[DP]\SHAREA.DAT", "Main", "1", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\SHAREB.DAT", "[DP]\SHAREB.DAT", "Main", "1", "1", "0", "0", "0", "0", "")
ShowDest()
ShowCopy()
'
    end_prefix "$WINEPREFIX"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    robot_start "$APP Setup"
    robot_type_destination "C:\\$APP"
    printf '%s\n' 'click id=1017' wait-exit
}

# The robot's steps of a removal up to the first shared file's question.
removal_until_shared_question() {
    remove_question_robot "$APP"
    printf 'wait-window class=#32770 title="Remove shared file?"\n'
}

expect_digest_of_log() {
    local stored
    stored=$(uninstall_value "$APP" UninstallLogSHA256)
    [ "$stored" = "$(sha256sum <"$1" | cut -d' ' -f1)" ] || fail "$2: the stored digest '$stored' is not the log's"
    [ -z "$(uninstall_value "$APP" UninstallLogSHA256Pending)" ] || fail "$2: a pending digest is left"
}

verify() {
    local dir="$WINEPREFIX/drive_c/$APP" remover
    [ -f "$dir/Uninstall.log" ] || { fail "no Uninstall.log in C:\\$APP"; return; }
    expect_digest_of_log "$dir/Uninstall.log" "after setup"
    cp "$dir/Uninstall.log" "$SCENARIO_DIR/log.setup"

    # An ordinary user adds a record for a file outside the installation.
    sed -i 's/^\[FILES\]\r$/[FILES]\r\nC:\\tamper\\keep.txt\r\nNONSHARED\r/' "$dir/Uninstall.log"
    grep -q 'tamper' "$dir/Uninstall.log" || fail "the record was not added"
    { echo 'timeout 30000' && tampered_robot "Uninstall $APP" "The uninstall log C:\\$APP\\Uninstall.log was changed after \
the installation, so it cannot be trusted and nothing has been removed."; } >"$SCENARIO_DIR/tampered.robot"
    run_uninstall_as_windows_does "$BUILD_DIR/robot.exe" "$APP" "$SCENARIO_DIR/tampered.robot" 60 ||
        fail "tampered log: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/tampered.out")"
    [ -f "$WINEPREFIX/drive_c/tamper/keep.txt" ] || fail "the file outside the installation was removed"
    [ -f "$dir/Read me.txt" ] || fail "the tampered log removed Read me.txt"

    # As setup wrote it: the run ends (as a power cut would) at the second
    # shared file's question, after the first one left the log.
    cp "$SCENARIO_DIR/log.setup" "$dir/Uninstall.log"
    removal_until_shared_question >"$SCENARIO_DIR/interrupted.robot"
    printf 'click text=Yes\nwait-gone\nwait-window class=#32770 title="Remove shared file?"\n' \
        >>"$SCENARIO_DIR/interrupted.robot"
    run_wine uninstaller --remove "$APP" >"$SCENARIO_DIR/interrupted.uninstaller.out" 2>&1 &
    remover=$!
    run_wine "$BUILD_DIR/robot.exe" "$(windows_path "$SCENARIO_DIR/interrupted.robot")" \
        >"$SCENARIO_DIR/interrupted.out" 2>&1 || fail "interrupted run: $(grep -E '^fail ' "$SCENARIO_DIR/interrupted.out")"
    end_prefix "$WINEPREFIX"
    wait "$remover" || true
    cmp -s "$dir/Uninstall.log" "$SCENARIO_DIR/log.setup" && fail "the interrupted run did not rewrite the log"
    expect_digest_of_log "$dir/Uninstall.log" "after the interrupted run"

    removal_until_shared_question >"$SCENARIO_DIR/second.robot"
    { printf 'click text=Yes\nwait-gone\n' && robot_end "Uninstall $APP" "$APP has been removed from your computer."; } \
        >>"$SCENARIO_DIR/second.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/second.robot"
}
