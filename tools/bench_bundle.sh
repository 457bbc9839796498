#!/bin/bash
# Benchmark of setuppack and the bundle loader (prints figures; not a test).
#
#   tools/bench_bundle.sh [parts]      parts: any of "size install" (default both)
#
# size: two media, the copy benchmark's small medium (2,000 files of 4 KiB
#   random bytes) and real binaries (the .exe programs among the Windows
#   libraries that Wine ships); the bundle's payload against `xz -9` of a tar
#   of the same files (target: at most 1.10), and the builder's throughput
#   (the native setuppack of build/native).
# install: under Wine, installing the binaries from their bundle against
#   installing them from the unpacked medium (target: at most 1.30). The
#   medium's setup.exe is bare_install.exe, the copy benchmark's loop of
#   VerInstallFileA, so the figure is the loader's share against the floor
#   of setup.exe's own copy time: an upper bound of the ratio for setup.exe.
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PARTS=${1:-size install}
WORK=$(mktemp -d /tmp/bench-bundle.XXXXXX)
WINE_BINARIES=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && end_prefix "$WINEPREFIX"
    rm -rf "$WORK"
}
trap cleanup EXIT

build() {
    choose_wine_platform || exit 1
    BUILD="$BUILD_ROOT/$MINGW_PRESET"
    echo "building setuppack (native) and the Windows programs in $BUILD"
    { cmake --preset native -B "$BUILD_ROOT/native" && cmake --build "$BUILD_ROOT/native" -j2 --target setuppack &&
        cmake --preset "$MINGW_PRESET" -B "$BUILD" &&
        cmake --build "$BUILD" -j2 --target setup TAUninstall bundleloader bare_install; } >"$WORK/build.log" 2>&1 ||
        { echo "build failed (log: $WORK/build.log)"; exit 1; }
    ARCH=$([ "$MINGW_PRESET" = mingw ] && echo 32 || echo 64)
}

# medium DIR: a medium folder with a script that passes the check.
medium() {
    mkdir -p "$1/files"
    printf 'SetAppName("Bench")\r\n' >"$1/SetupScript.ini"
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
    local index
    for ((index = 0; index < 2000; index++)); do
        head -c 4096 /dev/urandom >"$WORK/small/files/$(printf 'F%07d.DAT' "$index")"
    done
    pack small "$WORK/small"
    medium "$WORK/binaries"
    cp "$WINE_BINARIES"/*.exe "$WORK/binaries/files/"
    pack binaries "$WORK/binaries"
}

# seconds COMMAND...: the wall time of the command.
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    python3 -c "import sys; print(float(sys.argv[2]) - float(sys.argv[1]))" "$start" "$end"
}

bench_install() {
    local dir="$WORK/install"
    medium "$dir"
    cp "$WINE_BINARIES"/*.exe "$dir/files/"
    cp "$BUILD/bare_install.exe" "$dir/setup.exe"
    "$BUILD_ROOT/native/setuppack" --arch "$ARCH" --programs "$BUILD" -o "$WORK/Install.exe" "$dir" >/dev/null || return 1
    export WINEPREFIX=$WORK/prefix
    make_template_prefix "$WINEPREFIX" "$WORK/prefix.log" || { echo "no prefix"; return 1; }
    local round medium bundle
    for round in 1 2 3; do
        mkdir -p "$WINEPREFIX/drive_c/bench/m$round" "$WINEPREFIX/drive_c/bench/b$round"
        medium=$(cd "$dir" && seconds run_wine setup.exe files "C:\\bench\\m$round")
        bundle=$(cd "$WORK" && seconds run_wine Install.exe files "C:\\bench\\b$round")
        echo "install round $round: from the medium ${medium}s, from the bundle ${bundle}s:" \
            "ratio $(python3 -c "import sys; print(f'{float(sys.argv[1]) / float(sys.argv[2]):.3f}')" "$bundle" "$medium") (target <= 1.30)"
    done
    for round in m3 b3; do
        [ "$(ls "$WINEPREFIX/drive_c/bench/$round" | wc -l)" = "$(ls "$dir/files" | wc -l)" ] ||
            echo "the run $round did not install every file"
    done
}

build
for part in $PARTS; do
    "bench_$part"
done
