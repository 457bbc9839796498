# Shared by the undo scenarios: one installation, stopped in one of several
# ways, on a fresh machine or over an earlier installation of the same
# application; the prefix (file tree with bytes and times, registry) must be
# byte for byte what it was before setup.exe started. A scenario file is one
# row of the table: undo_case MACHINE STOP [win98].
#   MACHINE fresh:   nothing of Demo is there.
#   MACHINE earlier: Demo is installed: older files, their log and entry, a
#                    shared library counted once, a second one held by
#                    another program (its replacement is queued for the
#                    restart: a delayed move, or wininit.ini in win98 mode).
#   STOP disk-abort: disk 2 of a split file is missing; Abort, then Yes. Over
#                    an earlier installation, another program asks for a
#                    restart move of its own meanwhile: it must stay, and
#                    happen at the restart.
#   STOP loaded-abort: the same, while a library the run has just put into
#                    the new folder is loaded: the undo says that it and its
#                    folder go at the restart, and after it nothing is left.
#   STOP page-quit:  Cancel on the copy page while the overwrite question of
#                    the last file is open, then Yes.
#   STOP killed:     setup.exe is ended at once during a copy of large files
#                    (Wine reports exit code 0 for it); the next start of
#                    setup.exe undoes the run. Over an earlier installation
#                    the installer's temporary copy is left in a folder that
#                    existed before; the next start removes it too.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"

LOADED_LIBRARY='C:\Program Files\Demo\lib.dll'
LOADED_TEXT="The installation was stopped. Setup has undone its changes; what was in use is undone when Windows restarts:
- The file $LOADED_LIBRARY (in use) is deleted at the next restart.
- The folder C:\Program Files\Demo, which holds it, is removed at the next restart."
RECOVERY_TEXT="An earlier installation was interrupted before it ended. Setup has undone all its changes: the application was not installed and nothing was changed."
SYSTEM_DIR_IN_PREFIX=drive_c/windows/system32
SHARED_DLLS='HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs'

undo_case() {
    UNDO_MACHINE=$1 UNDO_STOP=$2 UNDO_WIN98=${3:-}
    TIME_LIMIT=120
    prepare() { prepare_undo_case; }
    robot_script() { undo_robot; }
    verify() { verify_undo_case; }
}

undo_statements() {
    local statements='SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\app.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "1", "App")
AddFile("[SP]\files\shared.dll", "[DP]", "Main", "1", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\deep.txt", "[DP]sub\", "Main", "0", "1", "0", "0", "0", "0", "")
'
    [ "$UNDO_MACHINE" = earlier ] &&
        statements+='AddFile("[SP]\files\held.dll", "[DP]", "Main", "1", "1", "0", "0", "0", "0", "")
'
    case $UNDO_STOP in
    disk-abort) statements+=$PIECE_STATEMENTS ;;
    loaded-abort) statements+='AddFile("[SP]\files\lib.dll", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'$PIECE_STATEMENTS ;;
    page-quit) statements+='AddFile("[SP]\files\last.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
' ;;
    killed) statements+='AddFile("[SP]\files\big*.bin", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
' ;;
    esac
    printf '%s%sShowCopy()\n' "$statements" "$READY_STATEMENT"
}

# An earlier installation of Demo, as setup.exe would have left it.
put_earlier_installation() {
    local dir system
    dir=$(demo_dir) system="$WINEPREFIX/$SYSTEM_DIR_IN_PREFIX"
    mkdir -p "$dir/sub"
    printf 'app 1.0' >"$dir/app.txt"
    printf 'deep 1.0' >"$dir/sub/deep.txt"
    printf 'last 1.0' >"$dir/last.txt"
    { log_header 1/2/2026; printf 'C:\\PROGRA~1\\Demo\\app.txt\nNONSHARED\n'; log_registry Demo; } | crlf >"$dir/Uninstall.log"
    touch -d '2020-01-02 03:04:05' "$dir/app.txt" "$dir/sub/deep.txt" "$dir/last.txt" "$dir/Uninstall.log"
    cp "$BUILD_DIR/fixtures/ver19.dll" "$system/shared.dll"
    cp "$BUILD_DIR/fixtures/ver19.dll" "$system/held.dll"
    run_wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Demo' /v DisplayName /d 'Demo 1.0' /f
    run_wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Demo' /v UninstallString \
        /d 'C:\Program Files\Demo\TAUninstall.exe' /f
    run_wine reg add "$SHARED_DLLS" /v 'C:\windows\system32\shared.dll' /t REG_DWORD /d 1 /f
}

prepare_undo_case() {
    mkdir -p "$MEDIUM/files"
    printf 'app 2.0' >"$MEDIUM/files/app.txt"
    printf 'deep 2.0' >"$MEDIUM/files/deep.txt"
    printf 'last 2.0' >"$MEDIUM/files/last.txt"
    cp "$BUILD_DIR/fixtures/ver20.dll" "$MEDIUM/files/shared.dll"
    cp "$BUILD_DIR/fixtures/ver20.dll" "$MEDIUM/files/held.dll"
    cp "$BUILD_DIR/fixtures/ver20.dll" "$MEDIUM/files/lib.dll"
    [[ $UNDO_STOP = *-abort ]] && make_pieces
    if [ "$UNDO_STOP" = killed ]; then
        local number
        for number in 1 2 3 4; do head -c 48000000 /dev/urandom >"$MEDIUM/files/big$number.bin"; done
    fi
    write_script "$(undo_statements)"
    # Every real Windows has counts of other programs' shared files.
    run_wine reg add "$SHARED_DLLS" /v 'C:\Other\other.dll' /t REG_DWORD /d 3 /f >/dev/null 2>&1
    [ "$UNDO_MACHINE" = earlier ] && put_earlier_installation >/dev/null 2>&1
    if [ -n "$UNDO_WIN98" ]; then
        run_wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d win98 /f >/dev/null 2>&1
        put_windows_file Wininit.exe 40801
    fi
    end_prefix "$WINEPREFIX"
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/before.snapshot"
    # Another program's files, after the snapshot: its replacement at the
    # restart shows as the one difference.
    if [ "$UNDO_MACHINE $UNDO_STOP" = "earlier disk-abort" ]; then
        mkdir -p "$WINEPREFIX/drive_c/Other"
        printf 'new' >"$WINEPREFIX/drive_c/Other/new.txt"
        printf 'old' >"$WINEPREFIX/drive_c/Other/old.txt"
    fi
}

# The message box's text as a robot word; lines end with CR LF.
message_word() { robot_word "${1//$'\n'/$'\r\n'}"; }

undo_robot() {
    local answer_overwrite='wait-window class=#32770 title="Overwrite file"
click text=Yes
wait-gone'
    echo 'timeout 60000'
    echo "wait-process setup.exe"
    [ "$UNDO_MACHINE" = earlier ] && echo "load-library $(robot_word 'C:\windows\system32\held.dll')"
    if [[ $UNDO_STOP = *-abort ]]; then take_out_disk2; else printf 'wait-window class=#32770 title=Ready\nclick text=OK\n'; fi
    [ "$UNDO_MACHINE" = earlier ] && printf '%s\n%s\n' "$answer_overwrite" "$answer_overwrite"
    local undone=$UNDONE_TEXT
    case $UNDO_STOP in
    disk-abort | loaded-abort)
        if [ "$UNDO_STOP" = loaded-abort ]; then
            printf 'wait-file %s\nload-library %s\n' "$(robot_word "$LOADED_LIBRARY")" "$(robot_word "$LOADED_LIBRARY")"
            undone=$LOADED_TEXT
        fi
        printf 'wait-window class=#32770 title=%s\n' "$(robot_word "$(medium_piece2)")"
        [ "$UNDO_MACHINE" = earlier ] &&
            printf 'restart-move %s %s\n' "$(robot_word 'C:\Other\new.txt')" "$(robot_word 'C:\Other\old.txt')"
        printf 'click text=Abort\nwait-window class=#32770 title="Quit setup"\nclick text=Yes\n' ;;
    page-quit)
        printf 'wait-window class=#32770 title="Overwrite file"\nwait-window class=#32770 title=""\nclick text=Cancel\n'
        printf 'wait-window class=#32770 title="Quit setup"\nclick text=Yes\n' ;;
    killed)
        # The kill comes while the installer writes its temporary copy of
        # the next large file.
        printf 'wait-file %s\nwait-file %s\nterminate\nwait-exit\n' "$(robot_word 'C:\Program Files\Demo\big1.bin')" \
            "$(robot_word 'C:\Program Files\Demo\ver*.tmp')"
        return ;;
    esac
    printf 'wait-window class=#32770 title=Setup\nexpect-text id=0xFFFF %s\nclick text=OK\nwait-exit\n' \
        "$(message_word "$undone")"
}

# The next start of setup.exe, from another medium whose script does
# nothing, finds the killed run and undoes it first. Its message must be
# RECOVERY_TEXT; with RECOVERY_TEXT empty it is only written to second.out.
start_again_after_kill() {
    local second="$SCENARIO_DIR/second"
    mkdir -p "$second"
    printf '; nothing to do\n' >"$second/SetupScript.ini"
    cp "$BUILD_DIR/setup.exe" "$second/"
    local read_message="text id=0xFFFF"
    [ -n "$RECOVERY_TEXT" ] && read_message="expect-text id=0xFFFF $(robot_word "$RECOVERY_TEXT")"
    printf 'timeout 60000\nwait-process setup.exe\nwait-window class=#32770 title=Setup\n%s\nclick text=OK\nwait-exit\n' \
        "$read_message" >"$SCENARIO_DIR/second.robot"
    run_wine "$BUILD_DIR/robot.exe" "$(scenario_path second.robot)" >"$SCENARIO_DIR/second.out" 2>&1 &
    local robot=$!
    (cd "$second" && exec "${WINE_LOCALE[@]}" wine setup.exe) >"$SCENARIO_DIR/second.program.out" 2>&1 &
    local program=$!
    if ! wait_until 90 none_running "$robot" "$program"; then
        fail "the second start did not end"
        end_prefix "$WINEPREFIX" # a box nobody answers would hold it for ever
    fi
    wait "$robot" || fail "second start: $(grep -E '^(fail|error) ' "$SCENARIO_DIR/second.out")"
    wait "$program"
}

# Differences that are the test's own doing, not the run's: the robot's and
# Wine's traces of starting programs, and the win98 switch made before.
UNDO_OWN_DIFFERENCES=(
    '^reg user \[Software\\\\Wine\\\\MenuFiles\]=winemenubuilder is disabled; Wine notes nothing'
    '^(file|bytes [0-9a-f]+) \./windows/wininit\.bak( |$)=a Windows 98 restart keeps the wininit.ini it carried out as wininit.bak'
    '^dir \./windows/temp/Undo-[0-9A-F]{16}$=Windows 98 deletes only files at a restart; the next start of setup removes the empty journal folder'
    '^(dir|file|bytes [0-9a-f]+) \./Other(/old\.txt)?( |$)=the files of another program, made after the first snapshot, with its replacement at the restart done'
)

# The comparison follows a restart: a restart replacement that the undo
# failed to withdraw would show, and a backup still in use when the run
# ended is gone by then.
verify_undo_case() {
    end_prefix "$WINEPREFIX"
    [ "$UNDO_STOP" = killed ] && start_again_after_kill
    simulate_restart
    if [ "$UNDO_MACHINE $UNDO_STOP" = "earlier disk-abort" ]; then
        [ "$(cat "$WINEPREFIX/drive_c/Other/old.txt")" = new ] || fail "the undo withdrew another program's restart move"
    fi
    SNAPSHOT_BYTES=1 snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}" "${UNDO_OWN_DIFFERENCES[@]}" \
        >"$SCENARIO_DIR/comparison.txt" || fail "not undone: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 8)"
}
