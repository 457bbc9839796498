# Since the installation, a folder of it has become a link to another
# folder that holds a file of the same name: the uninstaller removes the
# installation's own file, leaves the other folder's file, and says why.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
PROGRAM=TAUninstall.exe
EXPECTED_EXIT=2
LINK_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\LinkTest'

prepare() {
    local c="$WINEPREFIX/drive_c"
    mkdir -p "$c/LinkApp" "$c/Victim"
    printf 'own' >"$c/LinkApp/own.txt"
    printf 'victim' >"$c/Victim/victim.txt"
    ln -s "$c/Victim" "$c/LinkApp/sub"
    { log_header 1/2/2026; printf 'C:\\LinkApp\\own.txt\nNONSHARED\nC:\\LinkApp\\sub\\victim.txt\nNONSHARED\n'
      printf '[REGISTRY]\n%s\n' "$LINK_KEY"; } | crlf >"$MEDIUM/Uninstall.log"
    run_wine reg add "HKLM\\$LINK_KEY" /v DisplayName /d LinkTest /f >/dev/null 2>&1
    run_wine reg add "HKLM\\$LINK_KEY" /v UninstallString /d "$(medium_windows_path)\\TAUninstall.exe" /f >/dev/null 2>&1
}

robot_script() {
    remove_question_robot LinkTest
    printf 'wait-window class=#32770\ntext id=0xFFFF\nclick text=OK\nwait-exit\n'
}

verify() {
    [ -f "$WINEPREFIX/drive_c/Victim/victim.txt" ] || fail "a file was deleted through the link"
    [ ! -e "$WINEPREFIX/drive_c/LinkApp/own.txt" ] || fail "the installation's own file stayed"
    grep -q 'victim.txt.*leads through a link' "$SCENARIO_DIR/robot.out" || fail "the message does not say why: $(grep '^text' "$SCENARIO_DIR/robot.out")"
}
