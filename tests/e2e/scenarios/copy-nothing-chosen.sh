# A section that is neither chosen nor must-install installs nothing: its
# files, its shortcut and the program group folder are not made; the log
# holds only the header, "[FILES]", "[REGISTRY]" and the key path; the
# uninstall entry is written.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    medium_file 'files/optional.txt' 'never chosen'
    write_script 'SetAppName("Demo")
CreateSection("Optional", "0", "0", "Nobody chose it")
AddFile("[SP]\files\optional.txt", "[DP]", "Optional", "0", "1", "0", "0", "0", "1", "Optional")
'"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy </dev/null
}

verify() {
    [ "$(ls "$(demo_dir)")" = "Uninstall.log" ] || fail "installation directory holds: $(ls "$(demo_dir)" | tr '\n' '|')"
    [ ! -e "$(programs_folder)/Demo" ] || fail "a program group folder without a shortcut: $(ls "$(programs_folder)/Demo")"
    expect_log "$(demo_dir)/Uninstall.log" "" Demo
    expect_uninstall_value Demo DisplayName "Demo"
    end_prefix "$WINEPREFIX"
}
