# Bundles made by setuppack.exe of the build under test, and what a bundle
# leaves behind.
# shellcheck source=/dev/null
source "$E2E_LIB/copy.sh" # windows_temp_dir

# make_bundle OUTPUT MEDIUM [OPTION...]: packs MEDIUM into OUTPUT (Unix
# paths); the programs come from the build folder.
make_bundle() {
    local output=$1 medium=$2
    shift 2
    run_wine "$BUILD_DIR/setuppack.exe" "$@" -o "$(windows_path "$output")" "$(windows_path "$medium")" \
        >"$SCENARIO_DIR/setuppack.out" 2>&1 || fail "setuppack: $(tr -d '\r' <"$SCENARIO_DIR/setuppack.out" | tail -n 2)"
}

# The loaders' extraction folders still below the Windows TEMP folder.
extraction_folders() { find "$(windows_temp_dir)" -maxdepth 1 -name 'TarvaneSetup-*' -printf '%f\n' 2>/dev/null; }

expect_no_extraction_folder() {
    [ -z "$(extraction_folders)" ] || fail "extraction folder left: $(extraction_folders | tr '\n' ' ')"
}

# flip_byte FILE OFFSET: the byte at OFFSET (negative: from the end) with
# its lowest bit changed.
flip_byte() {
    python3 -c 'import sys
path, at = sys.argv[1], int(sys.argv[2])
data = bytearray(open(path, "rb").read())
data[at] ^= 1
open(path, "wb").write(data)' "$1" "$2"
}

# The size of the build's loader: where a bundle's payload starts.
loader_size() { stat -c %s "$BUILD_DIR/bundleloader.exe"; }

# run_quietly FOLDER PROGRAM EXPECTED_EXIT ARGUMENT...: starts PROGRAM (a
# Unix path) with its current directory FOLDER and the arguments of a silent
# mode, in which no box may wait (it would wait until the time limit), and
# checks its exit code.
run_quietly() {
    local folder=$1 program=$2 expected=$(($3 & 255)) code
    shift 3
    (cd "$folder" && timeout 60 "${WINE_LOCALE[@]}" wine "$program" "$@") >>"$SCENARIO_DIR/quiet.out" 2>&1
    code=$?
    [ "$code" -eq "$expected" ] || fail "$(basename "$program") $* ended with $code, expected $expected"
}

# run_bundle_quietly BUNDLE EXPECTED_EXIT: the bundle with /VERYSILENT,
# started in its own folder.
run_bundle_quietly() { run_quietly "$(dirname "$1")" "$1" "$2" /VERYSILENT; }

# A medium whose script installs every file of files\ into the demo folder:
# a small text, and COUNT files of random bytes large enough to be stored
# (they do not shrink). Its bundle lays the files out behind the script and
# setup.exe, so the loader unpacks them after setup.exe has started.
make_behind_medium() {
    local medium=$1 count=$2 number
    mkdir -p "$medium/files"
    printf 'first file' >"$medium/files/a-first.txt"
    for ((number = 1; number <= count; number++)); do
        head -c 300000 /dev/urandom >"$medium/files/big$number.bin"
    done
    printf '%s\r\n' 'SetAppName("Demo")' 'CreateSection("Main", "1", "0", "Main files")' \
        'AddFile("[SP]\files\*.*", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")' 'ShowCopy()' \
        >"$medium/SetupScript.ini"
}

# The unpacking behind the pages waits this long (milliseconds) before
# each file: the loader's test hook.
slow_unpack() { export TARVANE_TEST_UNPACK_PAUSE=$1; }
