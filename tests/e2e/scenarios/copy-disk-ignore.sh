# Disk 2 is taken out and the prompt is answered with Ignore: nothing of it
# is appended, the run goes on, and the installed file is pieces 1 and 3.
# The disk number 40000 is kept in 16 signed bits: the prompt asks for disk
# -25536.
source "$E2E_LIB/copy.sh"

prepare() {
    make_pieces
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
'"${PIECE_STATEMENTS/\"2\", \"1\", \"0\"/\"40000\", \"1\", \"0\"}$READY_STATEMENT"''"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    echo 'wait-process setup.exe'
    take_out_disk2
    cat <<ROBOT
wait-window class=#32770 title=$(robot_word "$(medium_piece2)")
expect-text id=0xFFFF $(robot_word "$(disk_prompt_text -25536)")
click text=Ignore
wait-window class=#32770 title="After the copy"
click text=OK
wait-exit
ROBOT
}

verify() {
    grep -q '"40000"' "$MEDIUM/SetupScript.ini" || fail "the script does not name disk 40000"
    cat "$(piece_file 1)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$(demo_dir)/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (pieces 1 and 3)"
    expect_no_assembly_left
}
