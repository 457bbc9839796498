# setupcheck.exe, the Windows console build of the checker, in the demo's
# medium with no arguments: it checks SetupScript.ini of the current
# directory, finds the files of every AddFile through Windows' own listing
# and ends with exit code 0 and its count. Until the demo installs the
# uninstaller, the one warning about it (F407) is all it may report.
PROGRAM=setupcheck.exe

prepare() {
    cp -r "$E2E_LIB/../../../examples/demo/." "$MEDIUM/"
}

verify() {
    local out findings
    out=$(tr -d '\r' <"$SCENARIO_DIR/program.out")
    if ! grep -qE '^0 errors, [01] warnings?$' <<<"$out"; then
        fail "no clean count: $(tail -n 1 <<<"$out")"
    fi
    findings=$(grep -E '^SetupScript\.ini:[0-9]+:[0-9]+: ' <<<"$out" | grep -v '\[F407\]')
    if [ -n "$findings" ]; then
        fail "findings: $findings"
    fi
}
