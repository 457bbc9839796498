# The disk fills up while a piece is appended (setup.exe may write no file
# over 200 KiB): the append fails part way, the assembly file is cut back to
# what it held, and the piece counts as missing: its disk prompt appears
# although the source is there. After Ignore for pieces 2 and 3 the installed
# file is exactly piece 1, with no part of the others.
source "$E2E_LIB/copy.sh"

prepare() {
    make_pieces
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
'"$PIECE_STATEMENTS"''"$COPY_PAGE_THEN_MESSAGE"
    limit_file_size 200
}

robot_script() {
    cat <<ROBOT
wait-process setup.exe
wait-window class=#32770 title=$(robot_word "$(medium_windows_path)\\disk2\\big.002")
expect-text id=0xFFFF $(robot_word "$(disk_prompt_text 2)")
click text=Ignore
wait-window class=#32770 title=$(robot_word "$(medium_windows_path)\\disk3\\big.003")
expect-text id=0xFFFF $(robot_word "$(disk_prompt_text 3)")
click text=Ignore
wait-window class=#32770 title="After the copy"
click text=OK
wait-exit
ROBOT
}

verify() {
    [ "$(stat -c %s "$(piece_file 1)")" -lt 204800 ] &&
        [ "$(($(stat -c %s "$(piece_file 1)") + $(stat -c %s "$(piece_file 2)")))" -gt 204800 ] ||
        fail "the pieces do not straddle the limit"
    expect_same_bytes "$(demo_dir)/big.dat" "$(piece_file 1)" "big.dat (piece 1 alone)"
    expect_no_assembly_left
}
