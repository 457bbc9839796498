# Disk 2 is taken out and the prompt is answered with Ignore: nothing of it
# is appended, the run goes on, and the installed file is pieces 1 and 3.
# The disk number 40000 is kept in 16 signed bits: the prompt asks for disk
# -25536.
source "$E2E_LIB/copy.sh"

prepare() {
    make_pieces
    write_script "$DEMO_MAIN_SECTION${PIECE_STATEMENTS/\"2\", \"1\", \"0\"/\"40000\", \"1\", \"0\"}$READY_STATEMENT$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    echo 'wait-process setup.exe'
    take_out_disk2
    robot_disk_prompt 2 -25536
    echo 'click text=Ignore'
    robot_end "After the copy"
}

verify() {
    grep -q '"40000"' "$MEDIUM/SetupScript.ini" || fail "the script does not name disk 40000"
    cat "$(piece_file 1)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$(demo_dir)/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (pieces 1 and 3)"
    expect_no_assembly_left
}
