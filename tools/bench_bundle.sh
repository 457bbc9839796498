#!/bin/bash
# Benchmark of setuppack and the bundle loader (prints figures; not a test).
#
#   tools/bench_bundle.sh [parts] [rounds]
#
# parts: any of "size first install" (default all); rounds: default 5.
#
# size: two media, the copy benchmark's small medium (2,000 files of 4 KiB
#   random bytes) and real binaries (the .exe programs among the Windows
#   libraries that Wine ships); the bundle's payload against `xz -9` of a tar
#   of the same files (target: at most 1.10), and the builder's throughput
#   (the native setuppack of build/native).
# first: the time from starting the program to setup.exe's first window
#   (the robot reports it), from the bundle and from the unpacked medium,
#   for payloads of 10 MB (Wine's programs) and 200 MB (Wine's programs and
#   random files that are stored); target: the bundle at most 0.5 s later,
#   whatever the size.
# install: an unattended installation (/VERYSILENT) from the bundle against
#   the same installation from the unpacked medium, setup.exe on both sides,
#   for Wine's programs (33 MB) and the 2,000 small files (target: at most
#   1.15); then the loader's own passes over each bundle under Wine, timed
#   by unpack_bench.exe: the checksum pass (before anything is written) and
#   the decoding of every file, the floor of an installation from a bundle.
#
# Every figure is the median of the rounds, the two sides taking turns; the
# machine's load (uptime) is printed first: other work slows both sides.
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PARTS=${1:-size first install}
ROUNDS=${2:-5}
WORK=$(mktemp -d /tmp/bench-bundle.XXXXXX)
WINE_BINARIES=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && end_prefix "$WINEPREFIX"
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

build() {
    choose_wine_platform || exit 1
    BUILD="$BUILD_ROOT/$MINGW_PRESET"
    echo "building setuppack (native) and the Windows programs in $BUILD"
    { cmake --preset native -B "$BUILD_ROOT/native" && cmake --build "$BUILD_ROOT/native" -j2 --target setuppack &&
        cmake --preset "$MINGW_PRESET" -B "$BUILD" &&
        cmake --build "$BUILD" -j2 --target setup TAUninstall bundleloader robot unpack_bench; } >"$WORK/build.log" 2>&1 ||
        { echo "build failed (log: $WORK/build.log)"; exit 1; }
    ARCH=$([ "$MINGW_PRESET" = mingw ] && echo 32 || echo 64)
}

# medium DIR: a medium folder with a script that installs every file of
# its files folder into the folder /DIR names, and setup.exe.
medium() {
    mkdir -p "$1/files"
    printf '%s\r\n' 'SetAppName("Bench")' 'CreateSection("Main", "1", "0", "")' \
        'AddFile("[SP]\files\*.*", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")' 'ShowDest()' 'ShowCopy()' \
        >"$1/SetupScript.ini"
    cp "$BUILD/setup.exe" "$1/"
}

small_files() {
    local index
    for ((index = 0; index < 2000; index++)); do
        head -c 4096 /dev/urandom >"$1/files/$(printf 'F%07d.DAT' "$index")"
    done
}

# ratio A B: A / B with three decimals.
ratio() { python3 -c "import sys; print(f'{int(sys.argv[1]) / int(sys.argv[2]):.3f}')" "$1" "$2"; }

# pack NAME DIR: packs DIR, prints sizes against xz -9 and the throughput
# (per second of processor time, user and system: the machine may be shared).
pack() {
    local name=$1 dir=$2 times bundle loader input payload xz TIMEFORMAT='%U %S %R'
    times=$({ time "$BUILD_ROOT/native/setuppack" --arch "$ARCH" --programs "$BUILD" -o "$WORK/$name.exe" "$dir" \
        >"$WORK/$name.out"; } 2>&1) || { echo "$name: setuppack failed: $(cat "$WORK/$name.out")"; return 1; }
    bundle=$(stat -c %s "$WORK/$name.exe") loader=$(stat -c %s "$BUILD/bundleloader.exe")
    payload=$((bundle - loader))
    input=$(du -sb "$dir" | cut -f1)
    xz=$(tar -C "$dir" -cf - . | xz -9 -T1 | wc -c)
    echo "$name: $(find "$dir" -type f | wc -l) files, $input bytes; payload $payload, xz -9 of a tar $xz:" \
        "ratio $(ratio "$payload" "$xz") (target <= 1.10); with the loader $bundle"
    python3 -c 'import sys
user, system, real = map(float, sys.argv[3].split())
print(f"{sys.argv[1]}: setuppack (native, ASan build) packed {int(sys.argv[2]) / 1048576 / (user + system):.1f} MiB"
      f" per processor second ({user + system:.1f} s processor, {real:.1f} s wall)")' "$name" "$input" "$times"
}

bench_size() {
    medium "$WORK/small"
    small_files "$WORK/small"
    pack small "$WORK/small"
    medium "$WORK/binaries"
    cp "$WINE_BINARIES"/*.exe "$WORK/binaries/files/"
    pack binaries "$WORK/binaries"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# ratio_of A B: A / B of two decimal numbers.
ratio_of() { python3 -c "import sys; print(f'{float(sys.argv[1]) / float(sys.argv[2]):.3f}')" "$1" "$2"; }
now() { date +%s.%N; }

prefix() {
    [ -n "${WINEPREFIX:-}" ] && return 0
    export WINEPREFIX=$WORK/prefix
    start_xvfb 1024x768x24 || return 1
    make_template_prefix "$WINEPREFIX" "$WORK/prefix.log" || { echo "no prefix"; return 1; }
    mkdir -p "$WINEPREFIX/drive_c/bench"
}

# first_window_seconds DIR PROGRAM: starts PROGRAM in DIR and prints the
# seconds until setup.exe shows its first window; the robot then ends it.
# The robot runs first and the clock starts once it is waiting.
first_window_seconds() {
    local dir=$1 program=$2 out=$WORK/robot.out start shown robot
    printf '%s\n' 'timeout 120000' 'wait-process setup.exe' 'wait-window' 'terminate' 'wait-exit' >"$WORK/robot.txt"
    : >"$out"
    run_wine "$BUILD/robot.exe" "$(windows_path "$WORK/robot.txt")" 2>/dev/null |
        while IFS= read -r line; do printf '%s %s\n' "$(now)" "${line%$'\r'}" >>"$out"; done &
    robot=$!
    wait_until 30 grep -q ' ok line=1 ' "$out" || { echo "the robot did not start" >&2; return 1; }
    start=$(now)
    (cd "$dir" && exec wine "$program") >/dev/null 2>&1 &
    local started=$!
    wait "$robot"
    wait "$started"
    shown=$(grep -m 1 ' ok line=3 ' "$out" | cut -d' ' -f1)
    [ -n "$shown" ] || { echo "no first window: $(grep -m 1 -E ' (fail|error) ' "$out")" >&2; return 1; }
    python3 -c "import sys; print(f'{float(sys.argv[2]) - float(sys.argv[1]):.3f}')" "$start" "$shown"
}

# first_case NAME DIR: the first window from the medium DIR and from its bundle.
first_case() {
    local name=$1 dir=$2 round medium bundle media=() bundles=() ratios=()
    "$BUILD_ROOT/native/setuppack" --arch "$ARCH" --programs "$BUILD" -o "$WORK/$name.exe" "$dir" >/dev/null || return 1
    first_window_seconds "$dir" setup.exe >/dev/null # warm-up: the files in the page cache
    for ((round = 1; round <= ROUNDS; round++)); do
        if ((round % 2)); then
            medium=$(first_window_seconds "$dir" setup.exe) && bundle=$(first_window_seconds "$WORK" "$name.exe") || return 1
        else
            bundle=$(first_window_seconds "$WORK" "$name.exe") && medium=$(first_window_seconds "$dir" setup.exe) || return 1
        fi
        media+=("$medium") bundles+=("$bundle")
        echo "first window $name round $round: from the medium ${medium}s, from the bundle ${bundle}s"
    done
    medium=$(printf '%s\n' "${media[@]}" | median) bundle=$(printf '%s\n' "${bundles[@]}" | median)
    echo "first window $name ($(($(du -sb "$dir" | cut -f1) / 1000000)) MB, bundle $(($(stat -c %s "$WORK/$name.exe") / 1000000)) MB):" \
        "medium ${medium}s, bundle ${bundle}s (medians of $ROUNDS): later by" \
        "$(python3 -c "import sys; print(f'{float(sys.argv[1]) - float(sys.argv[2]):.3f}')" "$bundle" "$medium")s (target <= 0.5)"
    rm -f "$WORK/$name.exe"
}

# Wine's programs up to LIMIT bytes (all when empty) into DIR/files.
wine_programs() {
    local dir=$1 limit=${2:-} total=0 file size
    for file in "$WINE_BINARIES"/*.exe; do
        size=$(stat -c %s "$file")
        [ -n "$limit" ] && ((total + size > limit)) && continue
        cp "$file" "$dir/files/"
        total=$((total + size))
    done
}

bench_first() {
    prefix || return 1
    medium "$WORK/first10"
    wine_programs "$WORK/first10" 10000000
    first_case 10MB "$WORK/first10"
    rm -rf "$WORK/first10"
    medium "$WORK/first200"
    wine_programs "$WORK/first200"
    local number
    for ((number = 1; number <= 8; number++)); do
        head -c 21000000 /dev/urandom >"$WORK/first200/files/random$number.bin"
    done
    first_case 200MB "$WORK/first200"
    rm -rf "$WORK/first200"
}

# install_seconds DIR PROGRAM TARGET: the wall time of an unattended
# installation into C:\bench\TARGET, which must then hold every file.
install_seconds() {
    local start end
    start=$(now)
    (cd "$1" && wine "$2" /VERYSILENT "/DIR=C:\\bench\\$3") >/dev/null 2>&1 || { echo "$2 failed" >&2; return 1; }
    end=$(now)
    [ "$(ls "$WINEPREFIX/drive_c/bench/$3" | grep -c -v -e Uninstall.log -e TAUninstall.exe)" = "$FILE_COUNT" ] ||
        { echo "$2 did not install every file into $3" >&2; return 1; }
    rm -rf "$WINEPREFIX/drive_c/bench/$3"
    python3 -c "import sys; print(f'{float(sys.argv[2]) - float(sys.argv[1]):.3f}')" "$start" "$end"
}

install_case() {
    local name=$1 dir=$2 round medium bundle media=() bundles=() ratios=()
    FILE_COUNT=$(ls "$dir/files" | wc -l)
    "$BUILD_ROOT/native/setuppack" --arch "$ARCH" --programs "$BUILD" -o "$WORK/$name.exe" "$dir" >/dev/null || return 1
    install_seconds "$dir" setup.exe warm >/dev/null || return 1
    for ((round = 1; round <= ROUNDS; round++)); do
        if ((round % 2)); then
            medium=$(install_seconds "$dir" setup.exe m$round) && bundle=$(install_seconds "$WORK" "$name.exe" b$round) || return 1
        else
            bundle=$(install_seconds "$WORK" "$name.exe" b$round) && medium=$(install_seconds "$dir" setup.exe m$round) || return 1
        fi
        media+=("$medium") bundles+=("$bundle") ratios+=("$(ratio_of "$bundle" "$medium")")
        echo "install $name round $round: from the medium ${medium}s, from the bundle ${bundle}s"
    done
    echo "install $name ($FILE_COUNT files): medium $(printf '%s\n' "${media[@]}" | median)s," \
        "bundle $(printf '%s\n' "${bundles[@]}" | median)s (medians of $ROUNDS); ratio $(printf '%s\n' "${ratios[@]}" | median)" \
        "(median; rounds $(printf '%s ' "${ratios[@]}" | sed 's/ $//')) (target <= 1.15)"
    run_wine "$BUILD/unpack_bench.exe" "$(windows_path "$WORK/$name.exe")" 3 2>/dev/null | tr -d '\r' | sed "s/^/$name: /"
    rm -f "$WORK/$name.exe"
}

bench_install() {
    prefix || return 1
    medium "$WORK/programs"
    wine_programs "$WORK/programs"
    install_case programs "$WORK/programs"
    medium "$WORK/smallfiles"
    small_files "$WORK/smallfiles"
    install_case small "$WORK/smallfiles"
}

echo "load: $(uptime)"
build
for part in $PARTS; do
    "bench_$part"
done
