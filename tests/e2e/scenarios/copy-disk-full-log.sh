# The disk fills up while the log is written (setup.exe may write no file
# over 1 KiB): the user is told once that the record of the run is
# incomplete and once that the uninstaller will miss files, and every file is
# still installed.
source "$E2E_LIB/copy.sh"

prepare() {
    local number statements=''
    for number in $(seq 10 39); do
        medium_file "files/file$number.txt" "file $number"
        statements+="AddFile(\"[SP]\\files\\file$number.txt\", \"[DP]\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"0\", \"\")
"
    done
    write_script "$DEMO_MAIN_SECTION$statements$COPY_PAGE_THEN_MESSAGE"
    limit_file_size 1
}

robot_script() {
    # The record of the run, written before each file, fills up first.
    robot_start "Setup"
    printf '%s\n' 'expect-text id=0xFFFF "Setup could not write its record of the installation; a stopped installation may not be undone completely."' \
        'click text=OK'
    robot_window "UNEXPECTED ERROR"
    printf '%s\n' 'expect-text id=0xFFFF "Writing the uninstall log failed (the disk may be full). Setup goes on, but uninstall will not remove every file."' \
        'click text=OK'
    # A second message would keep the page from closing: this box proves there
    # was none.
    robot_end "After the copy"
}

verify() {
    local number log
    log="$(demo_dir)/Uninstall.log"
    for number in $(seq 10 39); do
        expect_same_bytes "$(demo_dir)/file$number.txt" "$MEDIUM/files/file$number.txt" "file$number.txt"
    done
    [ "$(stat -c %s "$log")" -le 1024 ] || fail "the log grew over the limit"
    head -c 11 "$log" | grep -q 'ORUNLOG V1' || fail "the log lacks its first line"
}
