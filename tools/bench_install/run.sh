#!/bin/bash
# Builds bench_install.exe for the chosen platform (as tools/test.sh chooses)
# and runs it under Wine.
#   tools/bench_install/run.sh [build directory] [rounds]
# The Wine prefix is $WINEPREFIX, or a new one; the display is $DISPLAY, or a
# private Xvfb. What the script starts it also removes.
set -uo pipefail
# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
choose_wine_platform || exit 1
build=${1:-$BUILD_ROOT/bench-$MINGW_PRESET}
rounds=${2:-5}

cmake --preset "$MINGW_PRESET" -B "$build" >/dev/null &&
    cmake --build "$build" --target bench_install -j2 >/dev/null || exit 1

own_prefix=""
work=$(mktemp -d /tmp/bench-install-work.XXXXXX)
cleanup() {
    end_prefix "$WINEPREFIX"
    [ -n "$own_prefix" ] && rm -rf "$own_prefix"
    rm -rf "$work"
    stop_xvfb
}
trap cleanup EXIT

if [ -z "${WINEPREFIX:-}" ]; then
    own_prefix=$(mktemp -d /tmp/bench-install-pfx.XXXXXX)
    export WINEPREFIX=$own_prefix
    make_template_prefix "$WINEPREFIX" "$work/prefix.log" || { cat "$work/prefix.log"; exit 1; }
fi
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb 1024x768x24 || exit 1
fi

run_wine "$build/bench_install.exe" "$(run_wine winepath -w "$work" 2>/dev/null)\\bench" "$rounds"
