# A bundle starts setup.exe before its large files are unpacked and unpacks
# them behind the pages, here slowed down so that the copy run is always
# ahead: the quiet run shows no window, waits for each file it needs, and
# installs every file with the medium's bytes; the log says where it waited.
# The same bundle with a byte of its last file flipped is refused whole
# before setup.exe starts: 1603, nothing installed, no folder left.
source "$E2E_LIB/bundle.sh"
TIME_LIMIT=120
PROGRAM=Behind.exe
PROGRAM_ARGS=(/VERYSILENT '/LOG=C:\behind.log')

prepare() {
    make_behind_medium "$SCENARIO_DIR/behind" 4
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/behind"
    cp "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/Damaged.exe"
    flip_byte "$SCENARIO_DIR/Damaged.exe" -100
    slow_unpack 1000
}

robot_script() {
    cat <<'ROBOT'
timeout 60000
wait-process setup.exe
absent-until-exit
ROBOT
}

verify() {
    local name log="$WINEPREFIX/drive_c/behind.log"
    for name in a-first.txt big1.bin big2.bin big3.bin big4.bin; do
        cmp -s "$SCENARIO_DIR/behind/files/$name" "$(demo_dir)/$name" || fail "$name differs from the medium's"
    done
    # The last file comes 5 s after setup.exe starts: the copy run is there
    # first.
    grep -q 'Waiting for .*\\files\\big4.bin to be unpacked' "$log" || fail "no wait in the log: $(tr -d '\r' <"$log")"
    expect_no_extraction_folder
    rm -rf "$(demo_dir)"
    run_bundle_quietly "$SCENARIO_DIR/Damaged.exe" 1603
    [ ! -e "$(demo_dir)" ] || fail "the damaged bundle installed: $(ls "$(demo_dir)")"
    end_prefix "$WINEPREFIX"
    expect_no_extraction_folder
}
