# A UTF-8 script whose application name, destination, program group, file,
# shortcut and section comment are Greek, Cyrillic and Chinese installs in a
# prefix whose ANSI code page is 1252: the files, the shortcut, the log
# (fixed header, records in UTF-8) and the entry carry the real names; the
# removal through "wine uninstaller --remove" leaves nothing behind. Every
# shipped program asks for the UTF-8 code page.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
source "$E2E_LIB/names.sh"
TIME_LIMIT=150
APP=$NAMES_APP

prepare() {
    prepare_names_medium
    add_cjk_font
    mkdir -p "$SCENARIO_DIR/walk"
    note_start_date
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    cat <<ROBOT
timeout 30000
wait-process setup.exe
wait-window class=#32770 title=Welcome
walk "$(scenario_path walk)"
ROBOT
}

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/$APP" group link key
    key='Software\Microsoft\Windows\CurrentVersion\Uninstall\'"$APP"
    group="$(programs_folder)/$APP"
    link="$group/$NAMES_SHORTCUT.lnk"
    expect_utf8_manifests
    [ "$(cat "$dir/$NAMES_FILE" 2>/dev/null)" = 'όλα καλά' ] || fail "$NAMES_FILE is not in $dir: $(ls "$WINEPREFIX/drive_c/Program Files")"
    [ -f "$link" ] || fail "no shortcut $link: $(ls "$(programs_folder)")"
    grep -qa "$NAMES_FILE" "$link" 2>/dev/null || fail "the shortcut does not name $NAMES_FILE"
    # Files are recorded by their short names; the shortcut and the key by their long ones.
    expect_utf8_log "$dir/Uninstall.log" "$(windows_path_in_prefix "$link")" "$key"
    [ "$(grep -c '^NONSHARED' "$dir/Uninstall.log")" = 3 ] || fail "the log does not record three files"
    end_prefix "$WINEPREFIX"
    [ "$(registry_text system "$key" DisplayName)" = "$APP" ] || fail "DisplayName: $(registry_text system "$key" DisplayName)"
    [ "$(registry_text system "$key" UninstallString)" = "\"C:\\Program Files\\$APP\\TAUninstall.exe\"" ] ||
        fail "UninstallString: $(registry_text system "$key" UninstallString)"
    [ "$(registry_text system "$key" InstallLocation)" = "C:\\Program Files\\$APP\\" ] ||
        fail "InstallLocation: $(registry_text system "$key" InstallLocation)"
    grep -qi '"LogCodePage"=dword:0000fde9' "$WINEPREFIX/system.reg" || fail "the entry does not name the code page 65001"
    remove_robot_nameless >"$SCENARIO_DIR/remove.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/remove.robot"
}
