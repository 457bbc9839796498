# A second ShowCopy in one run does nothing: its page shows the untouched
# name fields and stays until it is cancelled; nothing is installed again
# (no overwrite question) and the log of the first run is kept as it was.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    medium_file 'files/one.txt' 'installed once'
    write_script "$DEMO_MAIN_SECTION"'AddFile("[SP]\files\one.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowCopy()
ShowMessage("The first copy page has closed", "First copy", "", "NOW")
ShowCopy()
ShowMessage("The run went on after Cancel", "After the second copy", "", "NOW")
'
}

robot_script() {
    robot_start "First copy"
    cat <<'ROBOT'
short-path "C:\\Program Files\\Demo\\one.txt"
click text=OK
wait-gone
wait-window class=#32770 title=""
expect-text id=1033 Static
expect-text id=1034 Static
children
ROBOT
    robot_quit "After the second copy"
}

verify() {
    grep -q 'title="Overwrite file"' "$SCENARIO_DIR/robot.out" && fail "the second page installed again"
    expect_copy_page_controls
    expect_same_bytes "$(demo_dir)/one.txt" "$MEDIUM/files/one.txt" "one.txt"
    expect_log "$(demo_dir)/Uninstall.log" \
        "$(nonshared_records "$(short_path_of 'C:\Program Files\Demo\one.txt')")"$'\n' Demo
}
