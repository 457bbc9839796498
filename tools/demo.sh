#!/bin/bash
# Runs setup.exe on examples/demo under Wine, and packs the demo into one
# program with setuppack.exe (printing its size beside the medium's): the
# i686 build under 32-bit Wine where the host executes 32-bit code, else the
# x86_64 build under 64-bit Wine
# (TEST_ARCH=32 or 64 forces one; the first line of output says which).
# With DISPLAY set, the wizard appears on that display for you to use.
# Without one (or with DEMO_HEADLESS=1) it runs on a private Xvfb, the robot
# walks through every dialog, and the screenshots are saved as PNG files
# under $BUILD_ROOT/demo/ (default build/demo/), whose paths are printed;
# then TAUninstall.exe removes the demo as Add/Remove Programs would start it,
# and the prefix before the installation is compared with the prefix after
# the removal (and a restart).
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# shellcheck source=tests/e2e/lib/uninstall.sh
source "$ROOT/tests/e2e/lib/uninstall.sh"
DEMO="$BUILD_ROOT/demo"
MEDIUM="$DEMO/medium"

build_setup() {
    echo "building setup.exe"
    cmake --preset "$MINGW_PRESET" -B "$BUILD" >"$DEMO/build.log" 2>&1 &&
        cmake --build "$BUILD" -j"$(nproc)" --target setup robot TAUninstall setuppack bundleloader >>"$DEMO/build.log" 2>&1 ||
        { echo "build failed (log: $DEMO/build.log)"; return 1; }
}

prepare_medium() {
    rm -rf "$MEDIUM"
    mkdir -p "$MEDIUM"
    cp -r "$ROOT/examples/demo/." "$MEDIUM/"
    cp "$BUILD/setup.exe" "$BUILD/TAUninstall.exe" "$MEDIUM/"
}

# The prefix is kept between demos; a new one takes a while.
prepare_prefix() {
    export WINEPREFIX=$PREFIX
    [ -f "$PREFIX/system.reg" ] && return 0
    echo "making the Wine prefix $PREFIX"
    make_template_prefix "$PREFIX" "$DEMO/prefix.log"
}

# The demo as one program, $DEMO/DemoSetup.exe, packed by setuppack.exe;
# its size beside the medium's.
build_bundle() {
    run_wine "$BUILD/setuppack.exe" -o "$(windows_path "$DEMO/DemoSetup.exe")" "$(windows_path "$MEDIUM")" \
        >"$DEMO/setuppack.out" 2>&1 || { echo "setuppack failed (log: $DEMO/setuppack.out)"; return 1; }
    echo "bundle: $DEMO/DemoSetup.exe, $(stat -c %s "$DEMO/DemoSetup.exe") bytes;" \
        "the medium: $(du -sb "$MEDIUM" | cut -f1) bytes in $(find "$MEDIUM" -type f | wc -l) files"
}

run_setup() {
    (cd "$MEDIUM" && exec "${WINE_LOCALE[@]}" wine setup.exe) </dev/null
}

run_watched() {
    echo "setup.exe runs on $DISPLAY"
    run_setup
    echo "setup.exe ended with exit code $?"
}

robot_walk() {
    cat <<ROBOT
timeout 30000
wait-process setup.exe
wait-window class=SETUPSPLASHCLASS_HI_HOW_DO_YOU_DO
screenshot "$(windows_path "$DEMO/00-splash.bmp")"
wait-window class=#32770 title="Welcome to Tarvane Demo"
check text="I accept the license terms" 1
walk "$(windows_path "$DEMO")"
ROBOT
}

convert_screenshots() {
    local bitmap
    for bitmap in "$DEMO"/*.bmp; do
        [ -e "$bitmap" ] || continue
        convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
        echo "screenshot: ${bitmap%.bmp}.png"
    done
}

run_headless() {
    trap 'end_prefix "$PREFIX"; stop_xvfb' EXIT
    start_xvfb 1024x768x24 || return 1
    prepare_prefix || return 1
    build_bundle
    rm -f "$DEMO"/*.png "$DEMO"/*.bmp
    end_prefix "$PREFIX"
    snapshot_prefix "$DEMO/before.snapshot"
    robot_walk >"$DEMO/walk.robot"
    run_wine "$BUILD/robot.exe" "$(windows_path "$DEMO/walk.robot")" >"$DEMO/robot.out" 2>&1 &
    local robot=$!
    run_setup >"$DEMO/setup.out" 2>&1
    local status=$?
    wait "$robot" || echo "the robot stopped early: $(grep -E '^(fail|error) ' "$DEMO/robot.out")"
    echo "setup.exe ended with exit code $status"
    convert_screenshots
    show_installation
    remove_installation
}

# TAUninstall.exe started the way Windows does, then the comparison.
remove_installation() {
    echo "removing it: wine uninstaller --remove \"Tarvane Demo\""
    remove_robot "Tarvane Demo" >"$DEMO/remove.robot"
    run_uninstall_as_windows_does "$BUILD/robot.exe" "Tarvane Demo" "$DEMO/remove.robot" 60 ||
        echo "the removal did not go as expected (robot: $DEMO/remove.out)"
    after_removal "$PREFIX/drive_c/Program Files/Tarvane Demo" || echo "the installation directory is still there"
    snapshot_prefix "$DEMO/after.snapshot"
    echo "the prefix after the removal and a restart, against the prefix before the installation:"
    if compare_snapshots "$DEMO/before.snapshot" "$DEMO/after.snapshot" "${WINE_OWN_DIFFERENCES[@]}"; then
        echo "no residue"
    else
        echo "RESIDUE found"
    fi
}

# What the installation recorded for the uninstaller.
show_installation() {
    local log="$PREFIX/drive_c/Program Files/Tarvane Demo/Uninstall.log"
    echo "installed files:"
    ls -l "$PREFIX/drive_c/Program Files/Tarvane Demo/"
    echo "Uninstall.log ($log):"
    [ -f "$log" ] && tr -d '\r' <"$log" | iconv -f CP1252 -t UTF-8
    echo "uninstall entry in the registry:"
    run_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvane Demo' 2>/dev/null | tr -d '\r'
}

main() {
    mkdir -p "$DEMO"
    "$ROOT/tools/install-deps.sh" || exit 1
    choose_wine_platform || exit 1
    BUILD="$BUILD_ROOT/$MINGW_PRESET"
    # One kept prefix for each architecture.
    PREFIX="$DEMO/prefix-$WINE_BITS"
    build_setup || exit 1
    prepare_medium
    if [ -n "${DISPLAY:-}" ] && [ -z "${DEMO_HEADLESS:-}" ]; then
        prepare_prefix || exit 1
        build_bundle
        run_watched
    else
        run_headless
    fi
}

main "$@"
