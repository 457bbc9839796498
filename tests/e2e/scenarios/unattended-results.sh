# The exit codes a deployment tool reads after a silent run that did not
# simply succeed: a shared library in use is replaced at the restart (3010,
# the replacement queued, no restart made), and a source on a disk that is not
# there stops the run (1603) with the file and the disk named in the log, and
# a run that cannot write its uninstall log fails (1603) and says so.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
PROGRAM_ARGS=(/VERYSILENT '/LOG=C:\in use.txt')
EXPECTED_EXIT=$((3010 & 255))

prepare() { prepare_shared_in_use; }

verify() {
    local log="$WINEPREFIX/drive_c/in use.txt" medium2="$SCENARIO_DIR/medium2" code
    grep -q -F 'Replacement at restart: ' "$log" || fail "no replacement in the log"
    grep -q -F 'restart needed: yes, exit code 3010 (success, restart needed)' "$log" || fail "no 3010 in the log"
    cmp -s "$WINEPREFIX/drive_c/windows/system32/shared.dll" "$MEDIUM/shared.dll" && fail "replaced before the restart"
    simulate_restart
    cmp -s "$WINEPREFIX/drive_c/windows/system32/shared.dll" "$MEDIUM/shared.dll" || fail "not replaced at the restart"

    mkdir -p "$medium2/disk2"
    printf 'on disk 2' >"$medium2/disk2/later.txt"
    cp "$BUILD_DIR/setup.exe" "$medium2/"
    hold_unreadable "$medium2/disk2/later.txt" holder2
    printf 'SetAppName("Disks")\nCreateSection("Main", "1", "0", "")\nAddFile("[SP]\\disk2\\later.txt", "[DP]", "Main", "0", "2", "0", "0", "0", "0", "")\nShowCopy()\n' \
        >"$medium2/SetupScript.ini"
    (cd "$medium2" && run_wine setup.exe /SILENT '/LOG=C:\disk.txt' >/dev/null 2>&1)
    code=$?
    [ "$code" -eq $((1603 & 255)) ] || fail "a missing disk: exit code $code"
    grep -q -F "$(disk_prompt_text 2)" "$WINEPREFIX/drive_c/disk.txt" || fail "the log does not name the disk"
    grep -q -F 'LATER.TXT' "$WINEPREFIX/drive_c/disk.txt" ||
        grep -q -F 'later.txt' "$WINEPREFIX/drive_c/disk.txt" || fail "the log does not name the file"

    # A folder where the uninstall log would go: installed, but not removable.
    printf 'SetAppName("NoLog")\nCreateSection("Main", "1", "0", "")\nAddFile("[SP]\\setup.exe", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")\nShowCopy()\n' \
        >"$medium2/SetupScript.ini"
    mkdir -p "$WINEPREFIX/drive_c/Program Files/NoLog/Uninstall.log"
    (cd "$medium2" && run_wine setup.exe /VERYSILENT '/LOG=C:\nolog.txt' >/dev/null 2>&1)
    code=$?
    [ "$code" -eq $((1603 & 255)) ] || fail "no uninstall log: exit code $code"
    grep -q -F 'Failed because the installation has no complete uninstall log' "$WINEPREFIX/drive_c/nolog.txt" ||
        fail "the log does not say that the uninstall log is missing"
    end_prefix "$WINEPREFIX"
}
