# Windows 98 mode, with setup.exe run in the ANSI code page 1252 as systems
# without the UTF-8 code page run it: a UTF-8 script whose names all have a
# form in 1252 is converted and installs with a log in 1252 bytes; one with a
# Cyrillic name stops before anything is installed, with exit code 2 and a
# message naming its line.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/names.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=120
PROGRAM_ARGS=(/VERYSILENT '/LOG=C:\fits.txt')

prepare() {
    ansi_program setup.exe "$MEDIUM/setup.exe"
    run_wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d win98 /f >/dev/null 2>&1
    medium_file 'files/Résumé.txt' 'fits'
    write_utf8_script 'SetAppName("Café Zürich")
CreateSection("Main", "1", "0", "Für alle")
AddFile("[SP]\files\Résumé.txt", "[DP]\", "Main", "0", "1", "0", "0", "0", "0", "")
ShowCopy()
'
    note_start_date
}

robot_script() { printf 'timeout 30000\nwait-process setup.exe\nabsent-until-exit\n'; }

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/Café Zürich"
    grep -q 'process code page 1252' "$WINEPREFIX/drive_c/fits.txt" || fail "not run in 1252: $(grep 'code page' "$WINEPREFIX/drive_c/fits.txt")"
    [ "$(cat "$dir/Résumé.txt" 2>/dev/null)" = fits ] || fail "Résumé.txt is not in $dir"
    grep -qaxF "$(printf 'Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Caf\xe9 Z\xfcrich\r')" "$dir/Uninstall.log" ||
        fail "the log does not name the key in 1252 bytes: $(tail -c 80 "$dir/Uninstall.log" | od -c | tr '\n' '|')"
    end_prefix "$WINEPREFIX"
    grep -qi '"LogCodePage"=dword:000004e4' "$WINEPREFIX/system.reg" || fail "the entry does not name the code page 1252"

    # The same in Cyrillic on line 3: nothing changes but the run's log.
    local other="$SCENARIO_DIR/cyrillic" code=0
    mkdir -p "$other/files"
    cp "$MEDIUM/setup.exe" "$MEDIUM/files/Résumé.txt" "$other/"
    printf '\xef\xbb\xbfSetAppName("Caf\xc3\xa9")\n// Ünïcode\nCreateSection("\xd0\x96", "1", "0", "")\nShowCopy()\n' >"$other/SetupScript.ini"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
    (cd "$other" && run_wine setup.exe /VERYSILENT '/LOG=C:\stops.txt' >/dev/null 2>&1) || code=$?
    end_prefix "$WINEPREFIX"
    [ $((code & 255)) = 2 ] || fail "the Cyrillic script ended with $code, not 2"
    grep -q 'SetupScript.ini, line 3: this line holds a character' "$WINEPREFIX/drive_c/stops.txt" ||
        fail "no message naming line 3: $(cat "$WINEPREFIX/drive_c/stops.txt")"
    ! grep -q 'Line [0-9]*: ' "$WINEPREFIX/drive_c/stops.txt" || fail "a statement ran"
    snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" 'stops\.txt=the run log' "${WINE_OWN_DIFFERENCES[@]}" \
        >"$SCENARIO_DIR/comparison.txt" || fail "the stopped run changed: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 5)"
}
