# A script without the UTF-8 mark, in Windows-1252 bytes (0xB4 and 0xE9 in
# the application name, a file name, the shortcut and a section comment),
# run by setup.exe in UTF-8: the log holds exactly the 1252 bytes an ANSI
# run writes, the entry names code page 1252, the files land under their
# real names, and the uninstaller, also in UTF-8, reads that log and removes
# everything.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=150
APP='Café D´or'
APP_1252=$(printf 'Caf\xe9 D\xb4or')
DIR_1252="C:\\Program Files\\$APP_1252"

prepare() {
    note_start_date
    medium_file 'files/Résumé.txt' 'résumé'
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    printf '%s' 'SetAppName("Caf\xe9 D\xb4or")
CreateSection("Main", "1", "0", "Pr\xe9sent d\xb4abord")
AddFile("[SP]\\TAUninstall.exe", "[DP]\\", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\\files\\R\xe9sum\xe9.txt", "[DP]\\", "Main", "0", "1", "0", "0", "0", "1", "R\xe9sum\xe9 d\xb4abord")
' | xargs -0 printf >"$MEDIUM/SetupScript.ini"
    printf '%s' "$COPY_PAGE_THEN_MESSAGE" >>"$MEDIUM/SetupScript.ini"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    robot_after_copy <<ROBOT
short-path $(robot_word "$DIR_1252\\TAUninstall.exe")
short-path $(robot_word "$DIR_1252\\$(printf 'R\xe9sum\xe9.txt')")
ROBOT
}

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/$APP" link records
    [ "$(cat "$dir/Résumé.txt" 2>/dev/null)" = 'résumé' ] || fail "Résumé.txt is not in $dir"
    link="$(programs_folder)/$APP/Résumé d´abord.lnk"
    [ -f "$link" ] || fail "no shortcut $link"
    # The robot's short-path lines, in the order asked (the robot writes
    # the long names with \x escapes).
    mapfile -t shorts < <(sed -n -e 's/^path long=.* short="\(.*\)"$/\1/p' "$SCENARIO_DIR/robot.out" | sed 's/\\\\/\\/g')
    records=$(nonshared_records "${shorts[@]}"
        printf '%s\nNONSHARED\n' "$(windows_path_in_prefix "$link" | iconv -f UTF-8 -t CP1252)")
    LC_ALL=C expect_log "$dir/Uninstall.log" "$records"$'\n' "$APP_1252"
    end_prefix "$WINEPREFIX"
    grep -qi '"LogCodePage"=dword:000004e4' "$WINEPREFIX/system.reg" || fail "the entry does not name the code page 1252"
    remove_robot "$APP_1252" >"$SCENARIO_DIR/remove.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/remove.robot"
}
