# Disk 2 is taken out before the copy: the disk prompt (caption the source
# path) asks for disk 2; the robot inserts it (moves the piece back) while
# the prompt is up and answers Retry. The piece is appended exactly once.
# Behind the prompt the copy page shows its labels, bars, the section and
# the file as its destination is written ("[DP]big.dat": references are
# resolved only when the file is installed).
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    make_pieces
    write_script "$DEMO_MAIN_SECTION$PIECE_STATEMENTS$READY_STATEMENT$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    echo 'wait-process setup.exe'
    take_out_disk2
    robot_disk_prompt 2
    cat <<ROBOT
move-window 0 0
screenshot $(robot_word "$(scenario_path copy-page.bmp)")
wait-window class=#32770 title=""
expect-text id=1033 Main
expect-text id=1034 "[DP]big.dat"
children
wait-window class=#32770 title=$(robot_word "$(medium_piece2)")
move-file $(robot_word "$(spare_piece2)") $(robot_word "$(medium_piece2)")
click text=Retry
wait-window class=#32770 title="After the copy"
short-path "C:\\\\Program Files\\\\Demo\\\\big.dat"
click text=OK
wait-exit
ROBOT
}

verify() {
    local dir
    dir=$(demo_dir)
    cat "$(piece_file 1)" "$(piece_file 2)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$dir/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (each piece once)"
    expect_no_assembly_left
    expect_log "$dir/Uninstall.log" "$(nonshared_records "$(short_path_of 'C:\Program Files\Demo\big.dat')" \
        "$(windows_path_in_prefix "$(programs_folder)/Demo/Big.lnk")")"$'\n' Demo
    expect_copy_page_controls
    save_screenshot copy-page.bmp copy-page-at-disk-prompt >/dev/null || fail "no screenshot"
    end_prefix "$WINEPREFIX"
}
