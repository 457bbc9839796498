#!/bin/bash
# Benchmark of large scripts (prints figures and ratios; not a test).
#
#   tools/bench_script.sh [rounds] [parts]
#
# parts: any of "checker setup" (default both).
#
# Generated scripts as an author who lists every file writes them: after
# SetAppName and one section, pairs of
#   SetVariable("Vn", "value n [APPNAME]")
#   AddFile("[SP]\app\fn.txt", "[DP]fn.txt", "Main", ...)
# with n counting up.
# 1. checker: the optimized setupcheck (preset release) reads and checks
#    scripts of 25,000 and 100,000 statements on a medium that holds the
#    50,000 files they name. Targets: 100,000 in under 2 s; the time for
#    100,000 at most 5 times the time for 25,000. Wall-clock and CPU (user +
#    system) seconds are printed: on a busy machine the CPU figure is the
#    one to compare.
# 2. setup: setup.exe under Wine runs a script of 8,000 statements and one of
#    10 (no file to copy, no page: the run ends after the last statement),
#    from start to exit. Target: the 8,000 cost at most 1 s more.
# Each figure is the median of `rounds` runs (default 3).
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ROUNDS=${1:-3}
PARTS=${2:-checker setup}

WORK=$(mktemp -d /tmp/bench-script.XXXXXX)
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && end_prefix "$WINEPREFIX"
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# write_script FILE STATEMENTS: the generated script of about that many statements.
write_script() {
    local file=$1 statements=$2
    {
        printf 'SetAppName("Bench")\r\nCreateSection("Main", "1", "0", "")\r\n'
        awk -v pairs=$(((statements - 2) / 2)) 'BEGIN {
            for (n = 0; n < pairs; n++) {
                printf "SetVariable(\"V%d\", \"value %d [APPNAME]\")\r\n", n, n
                printf "AddFile(\"[SP]\\\\app\\\\f%d.txt\", \"[DP]f%d.txt\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"0\", \"\")\r\n", n, n
            } }'
    } >"$file"
}

# timed COMMAND...: runs it and prints "WALL CPU" in seconds.
timed() {
    local out=$WORK/time.txt
    /usr/bin/time -f '%e %U %S' -o "$out" "$@" >/dev/null 2>&1
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$out"
}

bench_checker() {
    local release=$BUILD_ROOT/release medium=$WORK/medium count round walls cpus
    echo "building setupcheck (preset release) in $release"
    { cmake --preset release -B "$release" && cmake --build "$release" -j2 --target setupcheck; } \
        >"$WORK/build.log" 2>&1 || { cat "$WORK/build.log"; return 1; }
    mkdir -p "$medium/app"
    (cd "$medium/app" && seq 0 49999 | sed 's/^/f/; s/$/.txt/' | xargs touch)
    declare -A wall cpu
    for count in 25000 100000; do
        write_script "$medium/SetupScript.ini" "$count"
        walls=() cpus=()
        for ((round = 0; round < ROUNDS; round++)); do
            read -r w c < <(timed "$release/setupcheck" "$medium/SetupScript.ini")
            walls+=("$w") cpus+=("$c")
        done
        wall[$count]=$(printf '%s\n' "${walls[@]}" | median)
        cpu[$count]=$(printf '%s\n' "${cpus[@]}" | median)
        printf 'checker: %d statements: %s s wall, %s s CPU (medians)\n' "$count" "${wall[$count]}" "${cpu[$count]}"
    done
    printf 'checker: 100000 against 25000: ratio %.2f wall, %.2f CPU (target at most 5); 100000 in %s s wall, %s s CPU (target under 2)\n' \
        "$(echo "${wall[100000]} / ${wall[25000]}" | bc -l)" "$(echo "${cpu[100000]} / ${cpu[25000]}" | bc -l)" \
        "${wall[100000]}" "${cpu[100000]}"
}

bench_setup() {
    local build medium=$WORK/setup count round seconds
    choose_wine_platform || return 1
    build=$BUILD_ROOT/$MINGW_PRESET
    echo "building setup.exe in $build"
    { cmake --preset "$MINGW_PRESET" -B "$build" && cmake --build "$build" -j2 --target setup; } \
        >"$WORK/build.log" 2>&1 || { cat "$WORK/build.log"; return 1; }
    start_xvfb 1024x768x24 || return 1
    export WINEPREFIX=$WORK/prefix
    echo "making the Wine prefix"
    make_template_prefix "$WINEPREFIX" "$WORK/prefix.log" || { cat "$WORK/prefix.log"; return 1; }
    mkdir -p "$medium"
    cp "$build/setup.exe" "$medium/"
    # The first run of a fresh prefix pays for Wine's own start-up.
    write_script "$medium/SetupScript.ini" 10
    (cd "$medium" && timed "${WINE_LOCALE[@]}" wine setup.exe) >/dev/null
    declare -A median_of
    for count in 10 8000; do
        write_script "$medium/SetupScript.ini" "$count"
        local times=()
        for ((round = 0; round < ROUNDS; round++)); do
            read -r seconds _ < <(cd "$medium" && timed "${WINE_LOCALE[@]}" wine setup.exe)
            times+=("$seconds")
        done
        median_of[$count]=$(printf '%s\n' "${times[@]}" | median)
        printf 'setup: %d statements: run %s s (median of %s)\n' "$count" "${median_of[$count]}" "${times[*]}"
    done
    printf 'setup: 8000 statements cost %.3f s more than 10 (target at most 1)\n' \
        "$(echo "${median_of[8000]} - ${median_of[10]}" | bc -l)"
}

for part in $PARTS; do
    case $part in
    checker) bench_checker ;;
    setup) bench_setup ;;
    *) echo "no part $part" ;;
    esac || exit 1
done
