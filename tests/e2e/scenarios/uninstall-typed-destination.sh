# A destination typed on the destination page with ".." in it and without a
# final backslash: Next stays disabled for a relative path; the log records
# full, normalized paths, the entry names the uninstaller with one
# backslash, and the removal (files, shortcut, program group, entry) through "wine uninstaller --remove" leaves the
# prefix as it was.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=120
APP='Dot Dot Games'

prepare() {
    mkdir -p "$WINEPREFIX/drive_c/Apps"
    medium_file 'files/Read me.txt' 'read me'
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    write_script "SetAppName(\"$APP\")
CreateSection(\"Main\", \"1\", \"0\", \"Main files\")
AddFile(\"[SP]\\TAUninstall.exe\", \"[DP]\\TAUninstall.exe\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"0\", \"\")
AddFile(\"[SP]\\files\\Read me.txt\", \"[DP]\\docs\\Read me.txt\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"1\", \"Read me\")
ShowDest()
ShowCopy()
"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    robot_start "$APP Setup"
    printf '%s\n' 'set-text id=1011 "C:\\Apps"' 'expect-state id=1017 enabled=1' \
        'set-text id=1011 "Games"' 'expect-state id=1017 enabled=0'
    robot_type_destination "C:\\Apps\\..\\$APP"
    printf '%s\n' 'click id=1017' wait-exit
}

verify() {
    local dir="$WINEPREFIX/drive_c/$APP"
    [ "$(cat "$dir/docs/Read me.txt" 2>/dev/null)" = 'read me' ] || fail "Read me.txt is not in C:\\$APP\\docs"
    [ -f "$dir/Uninstall.log" ] || { fail "no Uninstall.log in C:\\$APP"; return; }
    ! grep -q '\.\.' "$dir/Uninstall.log" || fail "the log keeps '..': $(grep '\.\.' "$dir/Uninstall.log")"
    expect_uninstall_value "$APP" UninstallString "\"C:\\$APP\\TAUninstall.exe\""
    remove_robot "$APP" >"$SCENARIO_DIR/remove.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/remove.robot"
}
