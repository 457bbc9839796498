# Neither an assembly file left by an interrupted earlier run nor one planted
# by another user becomes part of a split file: the run assembles in a folder
# of its own. The sections page counts the split file once (the sum of its
# pieces), and the copy run after it starts the assembly anew: the installed
# file is exactly the three pieces. The planted files stay as they were and
# the run's folder is gone.
source "$E2E_LIB/copy.sh"

# The user's temporary directory (TEMP), where a planted file might be read.
user_temp_file() { printf '%s' "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Temp/big.dat.ToInstall.TMP"; }

prepare() {
    make_pieces
    printf 'left by an earlier run\n' >"$SCENARIO_DIR/stale"
    cp "$SCENARIO_DIR/stale" "$(old_assembly_file)"
    mkdir -p "$(dirname "$(user_temp_file)")"
    cp "$SCENARIO_DIR/stale" "$(user_temp_file)"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
'"$PIECE_STATEMENTS$SECTIONS_THEN_COPY"
}

robot_script() { robot_sections_then_copy; }

verify() {
    expect_main_size 320000
    cat "$(piece_file 1)" "$(piece_file 2)" "$(piece_file 3)" >"$SCENARIO_DIR/big.expected"
    expect_same_bytes "$(demo_dir)/big.dat" "$SCENARIO_DIR/big.expected" "big.dat (the three pieces alone)"
    expect_same_bytes "$(old_assembly_file)" "$SCENARIO_DIR/stale" "the file of the earlier run"
    expect_same_bytes "$(user_temp_file)" "$SCENARIO_DIR/stale" "the planted file"
    expect_no_assembly_left "$(old_assembly_file)"
}
