# Disk 2 is taken out; Abort asks whether to quit (no icon), No shows the
# disk prompt again, Abort and Yes stop the run, which is undone: the file
# installed before is gone, nothing more is appended or installed, the run's
# assembly folder (with piece 1) is removed, there is neither log nor
# uninstall entry. The program ends with exit code 0 (the quit request of the
# stop ends the run normally).
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    make_pieces
    medium_file 'files/before.txt' 'installed before the split file'
    medium_file 'files/after.txt' 'never installed'
    write_script "$DEMO_MAIN_SECTION"'AddFile("[SP]\files\before.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$PIECE_STATEMENTS"'AddFile("[SP]\files\after.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$READY_STATEMENT"'ShowCopy()
'
}

robot_script() {
    local quit_text="Are you really sure to quit setup? The application will be deleted if you click on Yes"
    echo 'wait-process setup.exe'
    take_out_disk2
    robot_window "$(medium_piece2)"
    cat <<ROBOT
click text=Abort
wait-window class=#32770 title="Quit setup"
expect-text id=0xFFFF $(robot_word "$quit_text")
children
click text=No
ROBOT
    robot_disk_prompt 2
    printf '%s\n' 'click text=Abort' 'wait-window class=#32770 title="Quit setup"' 'click text=Yes'
    robot_end Setup "$UNDONE_TEXT"
}

verify() {
    local dir
    dir=$(demo_dir)
    [ ! -e "$dir" ] || fail "the undo left $(ls "$dir")"
    [ ! -e "$dir/big.dat" ] || fail "big.dat installed after the quit"
    [ ! -e "$dir/after.txt" ] || fail "after.txt installed after the quit"
    expect_no_assembly_left
    [ ! -e "$(programs_folder)/Demo" ] || fail "the program group stayed"
    # The quit question of the disk prompt has no icon: its text begins where
    # the icon would stand (Wine keeps the empty icon control, id 1088).
    local icon text
    icon=$(grep -m 1 '^control id=1088 ' "$SCENARIO_DIR/robot.out" | sed 's/.* rect=\([0-9]*\),.*/\1/')
    text=$(grep -m 1 '^control id=65535 .*text="Are you' "$SCENARIO_DIR/robot.out" | sed 's/.* rect=\([0-9]*\),.*/\1/')
    [ -n "$icon" ] && [ "$icon" = "$text" ] || fail "the quit question leaves room for an icon (icon $icon, text $text)"
    [ -z "$(uninstall_value Demo DisplayName)" ] || fail "the uninstall entry stayed"
    end_prefix "$WINEPREFIX"
}
