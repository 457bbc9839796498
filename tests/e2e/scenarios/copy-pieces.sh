# A file split into three pieces on three disk folders: the installed file is
# the three pieces in script order, the run's assembly folder below the
# Windows temporary directory is gone afterwards, one shortcut is made (with
# the last piece) and the log holds one record for the file and one for the
# shortcut.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    make_pieces
    medium_file 'files/after.txt' 'installed after the split file'
    write_script "$DEMO_MAIN_SECTION$PIECE_STATEMENTS"'AddFile("[SP]\files\after.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy <<'ROBOT'
short-path "C:\\Program Files\\Demo\\big.dat"
short-path "C:\\Program Files\\Demo\\after.txt"
ROBOT
}

verify() {
    local dir link
    dir=$(demo_dir)
    cat "$(piece_file 1)" "$(piece_file 2)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$dir/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (the three pieces)"
    expect_same_bytes "$dir/after.txt" "$MEDIUM/files/after.txt" "after.txt"
    expect_no_assembly_left
    [ "$(ls "$(programs_folder)/Demo")" = "Big.lnk" ] || fail "program group holds: $(ls "$(programs_folder)/Demo" | tr '\n' '|')"
    link="$(programs_folder)/Demo/Big.lnk"
    grep -q -a -F 'C:\Program Files\Demo\big.dat' "$link" || fail "Big.lnk does not point to big.dat"
    expect_log "$dir/Uninstall.log" "$(nonshared_records "$(short_path_of 'C:\Program Files\Demo\big.dat')" \
        "$(windows_path_in_prefix "$link")" "$(short_path_of 'C:\Program Files\Demo\after.txt')")"$'\n' Demo
    end_prefix "$WINEPREFIX"
}
