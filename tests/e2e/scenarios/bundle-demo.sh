# The demo medium packed by setuppack.exe into one program, started from a
# downloads folder where libraries are planted under system names: the
# loader unpacks it, the wizard installs exactly the demo's files, nothing
# planted is loaded, and the extraction folder is gone afterwards. The
# loader and setuppack.exe import only known system libraries and are small.
source "$E2E_LIB/bundle.sh"
source "$E2E_LIB/planted.sh"
TIME_LIMIT=120
APP='Tarvane Demo'
PROGRAM=DemoSetup.exe

prepare() {
    mkdir -p "$SCENARIO_DIR/demo" "$SCENARIO_DIR/walk"
    cp -r "$E2E_LIB/../../../examples/demo/." "$SCENARIO_DIR/demo/"
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/demo"
    search_like_windows
    plant_libraries "$MEDIUM"
}

robot_script() { robot_demo_walk; }

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/$APP" demo="$SCENARIO_DIR/demo"
    [ -z "$(loaded_plants "$MEDIUM")" ] || fail "loaded beside the bundle: $(loaded_plants "$MEDIUM" | tr '\n' ' ')"
    cmp -s "$dir/ReadMe.txt" "$demo/files/ReadMe.txt" || fail "ReadMe.txt differs from the medium's"
    cmp -s "$dir/TAUninstall.exe" "$BUILD_DIR/TAUninstall.exe" || fail "TAUninstall.exe differs from the build's"
    cat "$demo"/disk*/Sample.da* | cmp -s - "$dir/Sample.dat" || fail "Sample.dat is not the three pieces"
    [ "$(cd "$dir" && ls | sort | tr '\n' ' ')" = "ReadMe.txt Sample.dat TAUninstall.exe Uninstall.log " ] ||
        fail "installed: $(ls "$dir" | tr '\n' ' ')"
    # The log names the installed files, as from the medium; no path of the
    # extraction folder is recorded.
    grep -qi 'TarvaneSetup-' "$dir/Uninstall.log" && fail "the log names the extraction folder"
    run_wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$APP" >/dev/null 2>&1 ||
        fail "no uninstall entry"
    expect_no_extraction_folder
    local size
    size=$(stat -c %s "$BUILD_DIR/bundleloader.exe")
    ((size < 150000)) || fail "bundleloader.exe is $size bytes"
    "$E2E_LIB/../../../tools/check_programs.sh" "$BUILD_DIR" >"$SCENARIO_DIR/programs.txt" ||
        fail "$(grep -E 'NOT ALLOWED|WRONG' "$SCENARIO_DIR/programs.txt" | head -n 2)"
}
