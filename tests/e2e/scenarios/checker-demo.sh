# setupcheck.exe, the Windows console build of the checker, in the demo's
# medium with no arguments: it checks SetupScript.ini of the current
# directory, finds the files of every AddFile through Windows' own listing
# (the medium is laid out as tools/demo.sh lays it, with setup.exe and
# TAUninstall.exe) and reports nothing: exit code 0 and a clean count.
PROGRAM=setupcheck.exe

prepare() {
    cp -r "$E2E_LIB/../../../examples/demo/." "$MEDIUM/"
    cp "$BUILD_DIR/setup.exe" "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
}

verify() {
    local out
    out=$(tr -d '\r' <"$SCENARIO_DIR/program.out")
    if [ "$out" != "0 errors, 0 warnings" ]; then
        fail "findings: $out"
    fi
}
