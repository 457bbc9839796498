# The list of open runs names what is not a journal folder of ours: "..",
# ".", the temporary folder itself, another program's folder, a link of
# our name form that leads elsewhere, and a folder of our name form that
# anyone could have made, each holding a journal that names a file to
# delete. The next start of setup.exe only takes the names off the list:
# every file stays, the Windows folder included.
source "$E2E_LIB/undo.sh"
TIME_LIMIT=60
OPEN_RUNS='HKLM\Software\Tarvane\Setup\Open runs'

# journal_naming FILE WINDOWS_PATH: a well-formed journal whose one record
# says that the run created WINDOWS_PATH (so its undo would delete it).
journal_naming() {
    python3 - "$1" "$2" <<'PY'
import struct, sys, zlib
path = sys.argv[2].encode()
text = lambda b: struct.pack('<I', len(b)) + b
body = bytes([1, 0]) + struct.pack('<IIIQQ', 0, 0, 0, 0, 0) + text(path) + text(b'') * 4
open(sys.argv[1], 'wb').write(b'TARVJNL1' + struct.pack('<II', len(body), zlib.crc32(body)) + body)
PY
}

prepare() {
    write_script '// Nothing to install: this start only looks at the list of open runs.
'
    local c="$WINEPREFIX/drive_c" temp="$WINEPREFIX/drive_c/windows/temp"
    mkdir -p "$c/Other/Undo-0123456789ABCDEF" "$c/Linked" "$temp/Undo-2222222222222222"
    printf 'precious' >"$c/Other/precious.txt"
    printf 'kept' >"$temp/someone.tmp"
    journal_naming "$c/Other/Undo-0123456789ABCDEF/journal" 'C:\Other\precious.txt'
    journal_naming "$c/Linked/journal" 'C:\Other\precious.txt'
    journal_naming "$temp/Undo-2222222222222222/journal" 'C:\Other\precious.txt'
    ln -s "$c/Linked" "$temp/Undo-1111111111111111"
    local name
    for name in 'C:\windows\TEMP\..' 'C:\windows\TEMP\.' 'C:\windows\TEMP' 'C:\windows\TEMP\' \
        'C:\Other\Undo-0123456789ABCDEF' 'C:\windows\TEMP\Undo-1111111111111111' \
        'C:\windows\TEMP\Undo-2222222222222222' 'C:\windows\TEMP\Undo-2222222222222222\..\..'; do
        run_wine reg add "$OPEN_RUNS" /v "$name" /d "$name" /f >/dev/null 2>&1 || fail "cannot list $name"
    done
    end_prefix "$WINEPREFIX"
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() {
    printf 'wait-process setup.exe\nabsent-until-exit class=#32770\n'
}

verify() {
    end_prefix "$WINEPREFIX"
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}" \
        '^reg system \[Software\\\\Tarvane=the names are taken off the list, and its keys go with the last' \
        '^reg system \[Software\\\\Wine=Wine notes its own state' \
        >"$SCENARIO_DIR/comparison.txt" || fail "changed: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 8)"
    ! grep -q '^reg system \[Software\\\\Tarvane' "$SCENARIO_DIR/after.snapshot" || fail "names left on the list"
    [ -f "$WINEPREFIX/drive_c/Other/precious.txt" ] || fail "a planted journal was undone"
}
