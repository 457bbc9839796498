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
    cat <<ROBOT
wait-window class=#32770 title="Uninstall $1"
expect-text id=0xFFFF "$1 has been removed from your computer."
click text=OK
wait-exit
ROBOT
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

# Whether a program of this prefix whose command line names NAME runs
# (other scenarios' prefixes run beside it).
prefix_runs() {
    local pid
    for pid in $(pgrep -f -- "$1"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}

# The self-removal is over: DIR is gone and the copy that removed it has
# ended, after it scheduled its own deletion.
self_removal_done() { [ ! -e "$1" ] && ! prefix_runs TAUninstall.exe; }

# after_removal DIR: waits until the self-removal has taken DIR away and
# ended (within 30 s), then restarts the prefix so that the copy that did it
# goes too. Returns 1 when DIR stayed.
after_removal() {
    local status=0
    wait_until 30 self_removal_done "$1" || status=1
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
    snapshot_prefix "$SCENARIO_DIR/after.snapshot"
    compare_snapshots "$SCENARIO_DIR/before.snapshot" "$SCENARIO_DIR/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}" \
        >"$SCENARIO_DIR/comparison.txt" || fail "residue: $(grep RESIDUE "$SCENARIO_DIR/comparison.txt" | head -n 5)"
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
    local text
    text=$(robot_word "$2")
    printf 'wait-process TAUninstall.exe\nwait-window class=#32770 title=%s\nexpect-text id=0xFFFF %s\n' \
        "$(robot_word "$1")" "${text//$'\n'/\\n}"
    printf 'click text=OK\nwait-exit\n'
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
