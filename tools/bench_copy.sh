#!/bin/bash
# Benchmark of the copy run (prints ratios; not a test).
#
#   tools/bench_copy.sh [build directory] [rounds] [parts]
#
# parts: any of "small large upgrade sections" (default all four).
#
# 1. setup.exe installs a medium with ShowCopy (one must-install section,
#    AddFile "[SP]\files\*.*"), timed from the moment the copy page appears
#    to the moment it has closed; bare_install.exe installs the same files in
#    the same Wine prefix with a bare loop of VerInstallFileA. Two media:
#    2,000 files of 4 KiB (target: at most 1.25 times the bare loop) and
#    8 files of 32 MiB (target: at most 1.15). The runs take turns, `rounds`
#    times (default 3) after a warm-up; the median ratio is the figure.
#    The upgrade case installs the 2,000 small files over themselves (the
#    run then keeps a backup of every file it replaces, for its undo; the
#    overwrite question is answered once with "Overwrite every file"), the
#    bare loop likewise over its own earlier copies (target: at most 1.40).
# 2. The sections page with one section of 10,000 files: the time from the
#    first statement (the background window appears) until the page is on
#    screen, and until its sizes are all known (Next enabled), against the
#    same script showing a message box instead of the page; the differences
#    are the wait before the page and the section-size computation.
#
# The times come from the robot, whose lines are stamped as they arrive: a
# window is seen within the robot's 20 ms polling. The machine's load
# (uptime) is printed first: other work slows both sides, not always alike.
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
choose_wine_platform || exit 1
BUILD=${1:-$BUILD_ROOT/bench-copy-$MINGW_PRESET}
ROUNDS=${2:-3}
PARTS=${3:-small large upgrade sections}

WORK=$(mktemp -d /tmp/bench-copy.XXXXXX)
export WINEPREFIX=$WORK/prefix
cleanup() {
    end_prefix "$WINEPREFIX"
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

build() {
    echo "building setup.exe, robot.exe and bare_install.exe in $BUILD"
    cmake --preset "$MINGW_PRESET" -B "$BUILD" >"$WORK/build.log" 2>&1 &&
        cmake --build "$BUILD" -j2 --target setup robot bare_install >>"$WORK/build.log" 2>&1 ||
        { cat "$WORK/build.log"; return 1; }
}

# make_medium DIR COUNT BYTES: a medium of COUNT files of BYTES random bytes
# with 8.3 names, and setup.exe beside them.
make_medium() {
    local dir=$1 count=$2 bytes=$3 index
    mkdir -p "$dir/files"
    for ((index = 0; index < count; index++)); do
        head -c "$bytes" /dev/urandom >"$dir/files/$(printf 'F%07d.DAT' "$index")"
    done
    cp "$BUILD/setup.exe" "$dir/"
}

# stamped_robot LINES...: runs the robot on the lines and prints each line
# of its output behind the time (seconds) at which it arrived.
stamped_robot() {
    printf '%s\n' "$@" >"$WORK/robot.txt"
    run_wine "$BUILD/robot.exe" "$(windows_path "$WORK/robot.txt")" 2>/dev/null |
        while IFS= read -r line; do
            printf '%s %s\n' "$(date +%s.%N)" "${line%$'\r'}"
        done
}

# seconds_between OUTPUT FROM TO: the time from the robot's line "ok line=FROM"
# to its line "ok line=TO".
seconds_between() {
    local from to
    from=$(grep -m 1 " ok line=$2 " <<<"$1" | cut -d' ' -f1)
    to=$(grep -m 1 " ok line=$3 " <<<"$1" | cut -d' ' -f1)
    if [ -z "$from" ] || [ -z "$to" ]; then
        echo "robot failed: $(grep -m 1 -E ' (fail|error) ' <<<"$1")" >&2
        return 1
    fi
    printf '%.3f\n' "$(echo "$to - $from" | bc)"
}

# run_setup MEDIUM ROBOT_LINES...: runs setup.exe in MEDIUM with the robot;
# prints the robot's stamped output.
run_setup() {
    local medium=$1 output
    shift
    (cd "$medium" && exec "${WINE_LOCALE[@]}" wine setup.exe) >/dev/null 2>&1 &
    local program=$!
    output=$(stamped_robot "$@")
    # A robot that gave up leaves setup.exe waiting for it.
    grep -q -E ' (fail|error) ' <<<"$output" && end_prefix "$WINEPREFIX"
    wait "$program"
    printf '%s\n' "$output"
}

# setup_copy_seconds MEDIUM: one run of setup.exe, the copy page's time;
# over an earlier installation the overwrite question is answered for all.
setup_copy_seconds() {
    local output answer=()
    [ -n "$UPGRADE" ] && answer=('wait-window class=#32770 title="Overwrite file"' 'click text="Overwrite every file"'
        'wait-window class=#32770 title=""')
    output=$(run_setup "$1" 'timeout 600000' 'wait-process setup.exe' 'wait-window class=#32770 title=""' \
        "${answer[@]}" 'wait-gone' 'wait-exit')
    seconds_between "$output" 3 $((4 + ${#answer[@]}))
}

bare_seconds() {
    run_wine "$BUILD/bare_install.exe" "$(windows_path "$1/files")" 'C:\bench\bare' 2>/dev/null | tr -d '\r' |
        sed -n 's/^bare files=[0-9]* seconds=//p'
}

# Empty destinations; for the upgrade case, both hold the files already.
clear_destinations() {
    rm -rf "$WINEPREFIX/drive_c/bench/copy" "$WINEPREFIX/drive_c/bench/bare"
    if [ -n "$UPGRADE" ]; then
        mkdir -p "$WINEPREFIX/drive_c/bench/copy" "$WINEPREFIX/drive_c/bench/bare"
        cp "$UPGRADE"/files/* "$WINEPREFIX/drive_c/bench/copy/"
        cp "$UPGRADE"/files/* "$WINEPREFIX/drive_c/bench/bare/"
    fi
}
UPGRADE=''

# bench_upgrade: the small files installed over themselves.
bench_upgrade() {
    UPGRADE=$WORK/upgrade
    bench_copy upgrade 2000 4096 1.40
    UPGRADE=''
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# bench_copy NAME COUNT BYTES TARGET
bench_copy() {
    local name=$1 count=$2 bytes=$3 target=$4 medium=$WORK/$1 round setup bare
    local ratios=() setups=() bares=()
    make_medium "$medium" "$count" "$bytes"
    printf 'SetAppName("Bench")\nSetVariable("DP", "C:\\bench\\copy\\")\n' >"$medium/SetupScript.ini"
    printf 'CreateSection("Main", "1", "0", "")\n' >>"$medium/SetupScript.ini"
    printf 'AddFile("[SP]\\files\\*.*", "[DP]\\", "Main", "0", "1", "0", "0", "0", "0", "")\nShowCopy()\n' \
        >>"$medium/SetupScript.ini"
    mkdir -p "$WINEPREFIX/drive_c/bench"
    bare_seconds "$medium" >/dev/null
    clear_destinations
    for ((round = 0; round < ROUNDS; round++)); do
        # Each side goes first in turn, so neither always meets the other's
        # writes still being flushed.
        if ((round % 2 == 0)); then
            setup=$(setup_copy_seconds "$medium") || return 1
            clear_destinations
            bare=$(bare_seconds "$medium")
        else
            bare=$(bare_seconds "$medium")
            clear_destinations
            setup=$(setup_copy_seconds "$medium") || return 1
        fi
        clear_destinations
        [ -n "$bare" ] || { echo "$name: the bare loop failed"; return 1; }
        setups+=("$setup")
        bares+=("$bare")
        ratios+=("$(printf '%.3f' "$(echo "scale=6; $setup / $bare" | bc)")")
        echo "$name round $((round + 1)): setup.exe copy page ${setup} s, bare VerInstallFileA loop ${bare} s"
    done
    printf '%s: %d files of %d bytes: copy run %s s, bare loop %s s (medians); ratio %s (median of %s), target at most %s\n' \
        "$name" "$count" "$bytes" "$(printf '%s\n' "${setups[@]}" | median)" \
        "$(printf '%s\n' "${bares[@]}" | median)" "$(printf '%s\n' "${ratios[@]}" | median)" \
        "$(printf '%s ' "${ratios[@]}" | sed 's/ $//')" "$target"
    rm -rf "$medium"
}

# seconds_to_first_dialog MEDIUM LAST_STATEMENT TO ROBOT_LINES...: seconds
# from the background window (the first statement) to the robot's line TO
# (4: the first dialog is on screen; 5: the first of ROBOT_LINES is done) of
# the script that adds the medium's files and ends with LAST_STATEMENT; the
# robot lines then close that dialog.
seconds_to_first_dialog() {
    local medium=$1 last=$2 to=$3 output
    shift 3
    printf 'SetAppName("Bench")\nCreateSection("Main", "1", "0", "")\n' >"$medium/SetupScript.ini"
    printf 'AddFile("[SP]\\files\\*.*", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")\n%s\n' "$last" \
        >>"$medium/SetupScript.ini"
    output=$(run_setup "$medium" 'timeout 600000' 'wait-process setup.exe' \
        'wait-window class=SETUPMAINCLASS_HALLO_WIE_GEHTS' 'wait-window class=#32770' "$@" 'wait-exit')
    seconds_between "$output" 3 "$to"
}

bench_sections() {
    local medium=$WORK/sections round page sized message pages=() sizeds=() messages=()
    local quit=('click id=1018' 'wait-window class=#32770 title="Quit setup"' 'click text=Yes')
    make_medium "$medium" 10000 100
    for ((round = 0; round < ROUNDS; round++)); do
        page=$(seconds_to_first_dialog "$medium" 'ShowSections()' 4 "${quit[@]}") || return 1
        sized=$(seconds_to_first_dialog "$medium" 'ShowSections()' 5 'expect-state id=1017 enabled=1' \
            "${quit[@]}") || return 1
        message=$(seconds_to_first_dialog "$medium" 'ShowMessage("no sizes", "Bench", "", "NOW")' 4 \
            'click text=OK') || return 1
        pages+=("$page")
        sizeds+=("$sized")
        messages+=("$message")
        echo "sections round $((round + 1)): sections page after ${page} s, sizes known after ${sized} s," \
            "message box instead after ${message} s"
    done
    page=$(printf '%s\n' "${pages[@]}" | median)
    sized=$(printf '%s\n' "${sizeds[@]}" | median)
    message=$(printf '%s\n' "${messages[@]}" | median)
    printf 'sections: 10000 files: page on screen after %s s, sizes known after %s s, without the page %s s (medians): wait before the page %s s, size computation %s s\n' \
        "$page" "$sized" "$message" "$(printf '%.3f' "$(echo "$page - $message" | bc)")" \
        "$(printf '%.3f' "$(echo "$sized - $message" | bc)")"
}

echo "load: $(uptime)"
build || exit 1
start_xvfb 1024x768x24 || exit 1
echo "making the Wine prefix"
make_template_prefix "$WINEPREFIX" "$WORK/prefix.log" || { cat "$WORK/prefix.log"; exit 1; }
for part in $PARTS; do
    case $part in
    small) bench_copy small 2000 4096 1.25 ;;
    large) bench_copy large 8 33554432 1.15 ;;
    upgrade) bench_upgrade ;;
    sections) bench_sections ;;
    *) echo "no part $part" ;;
    esac || exit 1
done
