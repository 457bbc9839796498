#!/bin/bash
# Builds bench_install.exe with the MinGW preset and runs it under Wine.
#   tools/bench_install/run.sh [build directory] [rounds]
# The Wine prefix is $WINEPREFIX, or a new one under /tmp; the display is
# $DISPLAY, or a private Xvfb. What the script starts it also removes.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build/bench-mingw}"
rounds="${2:-5}"

cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" --target bench_install -j2 >/dev/null

own_prefix=""
xvfb=""
work="$(mktemp -d /tmp/bench-install-work.XXXXXX)"
cleanup() {
    rm -rf "$work"
    if [ -n "$own_prefix" ]; then
        wineserver -k 2>/dev/null || true
        rm -rf "$own_prefix"
    fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
}
trap cleanup EXIT

export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -z "${WINEPREFIX:-}" ]; then
    own_prefix="$(mktemp -d /tmp/bench-install-pfx.XXXXXX)"
    export WINEPREFIX="$own_prefix"
    wineboot -i >/dev/null 2>&1
fi
if [ -z "${DISPLAY:-}" ]; then
    for display in $(seq 80 99); do
        [ -e "/tmp/.X11-unix/X$display" ] && continue
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=":$display"
        break
    done
fi

wine "$build/bench_install.exe" "$(winepath -w "$work")\\bench" "$rounds"
