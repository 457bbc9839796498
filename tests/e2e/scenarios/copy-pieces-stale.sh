# An assembly file left behind by an interrupted earlier run is appended to:
# the installed file is its old contents followed by the three pieces.
source "$E2E_LIB/copy.sh"

prepare() {
    make_pieces
    printf 'left by an earlier run\n' >"$SCENARIO_DIR/stale"
    cp "$SCENARIO_DIR/stale" "$(assembly_file)"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
'"$PIECE_STATEMENTS"''"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy </dev/null
}

verify() {
    cat "$SCENARIO_DIR/stale" "$(piece_file 1)" "$(piece_file 2)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$(demo_dir)/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (old contents and the pieces)"
    [ ! -e "$(assembly_file)" ] || fail "the assembly file is still there"
}
