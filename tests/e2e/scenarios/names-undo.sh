# A run with Greek, Cyrillic and Chinese names (destination, program group,
# file and shortcut) stopped at a missing disk: after Abort and Yes, and a
# restart, the prefix is byte for byte what it was.
source "$E2E_LIB/undo.sh"
source "$E2E_LIB/names.sh"
TIME_LIMIT=120

prepare() {
    prepare_names_medium "$PIECE_STATEMENTS$READY_STATEMENT"
    make_pieces
    run_wine reg add "$SHARED_DLLS" /v 'C:\Other\other.dll' /t REG_DWORD /d 3 /f >/dev/null 2>&1
    end_prefix "$WINEPREFIX"
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

# The pages go by with their defaults; then disk 2 is taken out.
robot_script() {
    cat <<ROBOT
timeout 60000
wait-process setup.exe
wait-window class=#32770 title=Welcome
click text=Next
wait-gone
wait-window class=#32770
click text=Next
wait-gone
wait-window class=#32770
click text=Next
wait-gone
wait-window class=#32770
click text=Next
wait-gone
$(take_out_disk2)
wait-window class=#32770 title=$(robot_word "$(medium_piece2)")
click text=Abort
wait-window class=#32770 title="Quit setup"
click text=Yes
wait-window class=#32770 title=Setup
expect-text id=0xFFFF $(robot_word "$UNDONE_TEXT")
click text=OK
wait-exit
ROBOT
}

verify() {
    UNDO_MACHINE=fresh UNDO_STOP=disk-abort verify_undo_case
}
