# A section that is neither chosen nor must-install installs nothing: its
# files and its shortcut are not made; the log holds only the header,
# "[FILES]", "[REGISTRY]" and the key path; the uninstall entry is written.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    medium_file 'files/optional.txt' 'never chosen'
    write_script 'SetAppName("Demo")
CreateSection("Optional", "0", "0", "Nobody chose it")
AddFile("[SP]\files\optional.txt", "[DP]", "Optional", "0", "1", "0", "0", "0", "1", "Optional")
ShowCopy()
ShowMessage("The copy page has closed", "After the copy", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="After the copy"
click text=OK
wait-exit
ROBOT
}

verify() {
    [ "$(ls "$(demo_dir)")" = "Uninstall.log" ] || fail "installation directory holds: $(ls "$(demo_dir)" | tr '\n' '|')"
    [ -d "$(programs_folder)/Demo" ] || fail "no program group folder"
    [ -z "$(ls "$(programs_folder)/Demo")" ] || fail "shortcuts made: $(ls "$(programs_folder)/Demo")"
    expect_log "$(demo_dir)/Uninstall.log" "" Demo
    [ "$(uninstall_value Demo DisplayName)" = "Demo" ] || fail "DisplayName: $(uninstall_value Demo DisplayName)"
    end_prefix "$WINEPREFIX"
}
