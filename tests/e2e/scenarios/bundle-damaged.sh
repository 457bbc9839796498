# Damaged bundles are refused before anything is unpacked or installed: a
# byte flipped in the index (a box says so; exit 1603), and with /VERYSILENT,
# without a box, a byte flipped in the packed files, the last byte flipped,
# and a truncated download. No extraction folder is made.
source "$E2E_LIB/bundle.sh"
PROGRAM=index-flipped.exe
EXPECTED_EXIT=$((1603 & 255))

prepare() {
    mkdir -p "$SCENARIO_DIR/small/files"
    printf 'read me' >"$SCENARIO_DIR/small/files/ReadMe.txt"
    printf '%s' 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\ReadMe.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$SECTIONS_THEN_COPY" >"$SCENARIO_DIR/small/SetupScript.ini"
    local good="$SCENARIO_DIR/good.exe" size loader name
    make_bundle "$good" "$SCENARIO_DIR/small"
    size=$(stat -c %s "$good") loader=$(loader_size)
    for name in index-flipped data-flipped end-flipped; do cp "$good" "$MEDIUM/$name.exe"; done
    flip_byte "$MEDIUM/index-flipped.exe" $((loader + 80 + 2))
    flip_byte "$MEDIUM/data-flipped.exe" $(((loader + size) / 2))
    flip_byte "$MEDIUM/end-flipped.exe" -1
    head -c $((size - 1000)) "$good" >"$MEDIUM/truncated.exe"
}

robot_script() {
    echo 'wait-process index-flipped.exe'
    robot_end Setup "This setup program is damaged: the list of its setup files is damaged.

Nothing was unpacked or installed. Please download it again."
}

verify() {
    local name
    for name in data-flipped end-flipped truncated; do
        run_bundle_quietly "$MEDIUM/$name.exe" 1603
    done
    end_prefix "$WINEPREFIX"
    expect_no_extraction_folder
    [ ! -e "$(demo_dir)" ] || fail "something was installed: $(ls "$(demo_dir)")"
}
