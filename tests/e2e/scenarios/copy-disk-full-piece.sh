# The disk fills up while a piece is appended (setup.exe may write no file
# over 200 KiB): the append fails part way, the assembly file is cut back to
# what it held, and the piece counts as missing: its disk prompt appears
# although the source is there. After Ignore for pieces 2 and 3 the installed
# file is exactly piece 1, with no part of the others.
source "$E2E_LIB/copy.sh"

prepare() {
    make_pieces
    write_script "$DEMO_MAIN_SECTION$PIECE_STATEMENTS$COPY_PAGE_THEN_MESSAGE"
    limit_file_size 200
}

robot_script() {
    echo 'wait-process setup.exe'
    robot_disk_prompt 2
    echo 'click text=Ignore'
    robot_disk_prompt 3
    echo 'click text=Ignore'
    robot_end "After the copy"
}

verify() {
    [ "$(stat -c %s "$(piece_file 1)")" -lt 204800 ] &&
        [ "$(($(stat -c %s "$(piece_file 1)") + $(stat -c %s "$(piece_file 2)")))" -gt 204800 ] ||
        fail "the pieces do not straddle the limit"
    expect_same_bytes "$(demo_dir)/big.dat" "$(piece_file 1)" "big.dat (piece 1 alone)"
    expect_no_assembly_left
}
