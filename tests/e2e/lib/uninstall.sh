# Shared by the uninstaller scenarios and tools/demo.sh: snapshots of a
# prefix (file tree and registry) and their comparison, the removal the way
# Windows starts it, and a simulated restart. Needs wine.sh and wait.sh.

# snapshot_prefix FILE: the prefix's file tree below drive_c (directories,
# and files with their sizes; with SNAPSHOT_BYTES=1 also their modification
# times, permissions and a digest of their bytes) and its registry as "key|value" lines,
# sorted. The prefix must be idle (end_prefix), so that the registry is on
# disk.
snapshot_prefix() {
    {
        if [ -n "${SNAPSHOT_BYTES:-}" ]; then
            (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 \( -type d -printf 'dir %p\n' \) -o \
                \( -type f -printf 'file %p %s %T@ %M\n' \) -o -printf 'other %p\n' |
                sed -E 's/^(file .* [0-9]+\.[0-9]{7})[0-9]* /\1 /' # Windows keeps times in 100 ns
            find . -type f -print0 | xargs -0 -r md5sum | sed 's/^\([0-9a-f]*\)  /bytes \1 /')
        else
            (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 \( -type d -printf 'dir %p\n' \) -o \
                \( -type f -printf 'file %p %s\n' \) -o -printf 'other %p\n')
        fi
        local hive
        for hive in system user userdef; do
            # Key lines carry a change time, and "#time=" lines follow them.
            awk -v hive="$hive" '/^#time=/ { next }
                /^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); print "reg " hive " " key; next }
                key != "" && NF { print "reg " hive " " key "|" $0 }' "$WINEPREFIX/$hive.reg"
        done
    } | LC_ALL=C sort >"$1"
}

# compare_snapshots BEFORE AFTER PATTERN=REASON...: prints every difference
# ("-" only before, "+" only after) with the reason of the first extended
# regular expression that matches it, or "RESIDUE". Returns 1 when a
# difference has no reason.
compare_snapshots() {
    local before=$1 after=$2 line allowed reason residue=0
    shift 2
    while IFS= read -r line; do
        reason=""
        for allowed in "$@"; do
            if [[ ${line:2} =~ ${allowed%%=*} ]]; then
                reason=${allowed#*=}
                break
            fi
        done
        if [ -n "$reason" ]; then
            printf '  %s    (allowed: %s)\n' "$line" "$reason"
        else
            printf '  %s    (RESIDUE)\n' "$line"
            residue=1
        fi
    done < <(LC_ALL=C comm -3 "$before" "$after" | sed -e 's/^\t/+ /' -e 't' -e 's/^/- /')
    return "$residue"
}

# The differences that Wine itself makes at a restart, whatever ran before:
# wineboot detects the display adapter, the monitor and the network cards
# anew.
WINE_OWN_DIFFERENCES=(
    '^reg system \[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\\{4D36E96[8E]-E325-11CE-BFC1-08002BE10318\}=wineboot registers the display adapter and the monitor anew'
    '^reg system \[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards\]=wineboot lists the network cards anew'
    '^reg user \[Software\\\\Wine\\\\Fonts\]\|"Codepages"=Wine notes the code pages of the last program that loaded fonts: ours run in UTF-8, Wine'"'"'s own uninstaller in 1252'
    '^reg system \[System\\\\CurrentControlSet\\\\Hardware Profiles\\\\Current\\\\Software\\\\Fonts\]\|"OEMFONT\.FON"=the OEM font Wine notes with those code pages'
)

# remove_question_robot APP: the robot's Yes to the uninstaller's question.
remove_question_robot() {
    cat <<ROBOT
timeout 30000
wait-process TAUninstall.exe
wait-window class=#32770 title="Uninstall $1"
expect-text id=0xFFFF "Do you want to remove $1 and all of its components?"
click text=Yes
wait-gone
ROBOT
}

# remove_robot APP: the robot's answers to a removal that goes well: Yes to
# the question, OK to the final message.
remove_robot() {
    remove_question_robot "$1"
    robot_end "Uninstall $1" "$1 has been removed from your computer."
}

# run_uninstall_as_windows_does ROBOT_EXE KEY ROBOT_FILE SECONDS: "wine
# uninstaller --remove KEY" starts the entry's UninstallString, as
# Add/Remove Programs does, while the robot answers from ROBOT_FILE (its
# output beside it, .out). Waits for both within SECONDS; returns 1 when
# either failed or was late.
run_uninstall_as_windows_does() {
    local robot remover status=0
    run_wine "$1" "$(windows_path "$3")" >"${3%.*}.out" 2>&1 &
    robot=$!
    run_wine uninstaller --remove "$2" >"${3%.*}.uninstaller.out" 2>&1 &
    remover=$!
    wait_until "$4" none_running "$robot" "$remover" || status=1
    wait "$robot" || status=1
    wait "$remover" || status=1
    return "$status"
}

# after_removal DIR: waits until the self-removal has taken DIR away and its
# copy of the uninstaller has ended (within 30 s), then restarts the prefix
# so that the copy goes too. Returns 1 when DIR stayed.
after_removal() {
    local status=0
    wait_until 30 test ! -e "$1" || status=1
    wait_until 30 eval '! prefix_program_running TAUninstall.exe' || status=1
    simulate_restart
    return "$status"
}

# remove_without_residue DIR ROBOT_FILE: the removal of the installation in
# DIR as Windows starts it (the entry's key is $APP, the time limit
# $TIME_LIMIT), answered from ROBOT_FILE; then the prefix must hold what
# $SCENARIO_DIR/before.snapshot holds, apart from Wine's own differences.
remove_without_residue() {
    run_uninstall_as_windows_does "$BUILD_DIR/robot.exe" "$APP" "$2" "$TIME_LIMIT" ||
        fail "removal: $(grep -E '^(fail|error) ' "${2%.*}.out")"
    after_removal "$1" || fail "the self-removal left $(ls -R "$1" | tr '\n' ' ')"
    expect_as_before after
}

# expect_as_before NAME: the idle prefix (snapshot NAME.snapshot) holds what
# $SCENARIO_DIR/before.snapshot holds, apart from Wine's own differences;
# the comparison stays in NAME.comparison.txt.
expect_as_before() {
    end_prefix "$WINEPREFIX"
    snapshot_prefix "$SCENARIO_DIR/$1.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/$1.snapshot" "${WINE_OWN_DIFFERENCES[@]}" \
        >"$SCENARIO_DIR/$1.comparison.txt" ||
        fail "$1: residue: $(grep RESIDUE "$SCENARIO_DIR/$1.comparison.txt" | head -n 5)"
}

# The uninstall entry's keys as "wine uninstaller --list" shows them.
uninstall_entries() { run_wine uninstaller --list 2>/dev/null | tr -d '\r'; }

# simulate_restart: ends the prefix's programs and starts it again, so that
# wineboot carries out wininit.ini and the pending deletions; leaves the
# prefix idle.
simulate_restart() {
    end_prefix "$WINEPREFIX"
    run_wine wineboot -r >/dev/null 2>&1
    end_prefix "$WINEPREFIX"
}

# The scenarios that start TAUninstall.exe on a log of their own: the
# uninstaller and its log lie in the medium, the files and the entry it must
# leave alone in the prefix. tampered_log_scenario KEY sets them up: the
# program, its exit code 2 and the check that nothing was removed.
tampered_log_scenario() {
    PROGRAM=TAUninstall.exe
    EXPECTED_EXIT=2
    TAMPERED_KEY=$1
    verify() { verify_nothing_removed "$TAMPERED_KEY"; }
}

# prepare_tampered_log RECORDS KEY: the files C:\tamper\keep.txt and
# C:\tamper\sub\keep.txt, the uninstall entry KEY (below HKLM), and a log in
# the medium with the writer's header, RECORDS (LF line ends) and KEY.
prepare_tampered_log() {
    mkdir -p "$WINEPREFIX/drive_c/tamper/sub"
    printf 'keep' >"$WINEPREFIX/drive_c/tamper/keep.txt"
    printf 'keep' >"$WINEPREFIX/drive_c/tamper/sub/keep.txt"
    run_wine reg add "HKLM\\$2" /v DisplayName /d Tampered /f >/dev/null 2>&1
    { log_header 1/2/2026; printf '%s' "$1"; printf '[REGISTRY]\n%s\n' "$2"; } | crlf >"$MEDIUM/Uninstall.log"
    cp "$MEDIUM/Uninstall.log" "$SCENARIO_DIR/log.before"
}

# tampered_robot CAPTION TEXT: the one message, answered with OK.
tampered_robot() {
    printf 'wait-process TAUninstall.exe\n'
    robot_end "$1" "$2"
}

# verify_nothing_removed KEY: the files, the entry and the log are as before.
verify_nothing_removed() {
    local file
    for file in keep.txt sub/keep.txt; do
        [ -f "$WINEPREFIX/drive_c/tamper/$file" ] || fail "C:\\tamper\\$file was removed"
    done
    cmp -s "$MEDIUM/Uninstall.log" "$SCENARIO_DIR/log.before" || fail "the log changed"
    [ -f "$MEDIUM/TAUninstall.exe" ] || fail "the uninstaller removed itself"
    run_wine reg query "HKLM\\$1" /v DisplayName >/dev/null 2>&1 || fail "the entry $1 was removed"
}

# The log's path as the uninstaller names it: beside itself.
medium_log() { printf '%s\\Uninstall.log' "$(medium_windows_path)"; }
