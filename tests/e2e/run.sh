#!/bin/bash
# End-to-end tests: runs setup.exe (or another program) under Wine and Xvfb
# for each scenario in tests/e2e/scenarios/, with robot.exe driving its windows.
#
# Usage: tests/e2e/run.sh BUILD_DIR OUT_DIR [SCENARIO...]
#   BUILD_DIR  holds setup.exe and robot.exe (build/mingw, or build/mingw64
#              where the host cannot execute 32-bit code; TEST_ARCH as in
#              tools/test.sh)
#   OUT_DIR    receives a directory of logs per scenario and screenshots/
#   SCENARIO   names of scenario files without .sh (default: all)
# Set E2E_TEMPLATE to an existing prefix to skip making a new template.
# Ends with "e2e: N passed, M failed"; exit status 1 when a scenario failed.
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_LIB=$HERE/lib
for lib in wait display wine scenario steps; do
    # shellcheck source=/dev/null
    source "$HERE/lib/$lib.sh"
done

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && end_prefix "$WINEPREFIX"
    stop_xvfb
}

# scenario_files [NAME...]: sets FILES to the scenario files, all by default.
scenario_files() {
    local name
    FILES=("$HERE"/scenarios/*.sh)
    (($# == 0)) && return
    FILES=()
    for name in "$@"; do
        FILES+=("$HERE/scenarios/$name.sh")
    done
}

main() {
    BUILD_DIR=$(cd "$1" && pwd)
    mkdir -p "$2"
    OUT_DIR=$(cd "$2" && pwd)
    shift 2
    SCREENSHOT_DIR=${SCREENSHOT_DIR:-$OUT_DIR/screenshots}
    choose_wine_platform || { echo "e2e: 0 passed, 1 failed"; exit 1; }
    trap cleanup EXIT
    start_xvfb 1024x768x24 || exit 1

    TEMPLATE=${E2E_TEMPLATE:-$OUT_DIR/template}
    if [ -z "${E2E_TEMPLATE:-}" ] && ! make_template_prefix "$TEMPLATE" "$OUT_DIR/template.log"; then
        echo "e2e: cannot make the Wine prefix (see $OUT_DIR/template.log)"
        echo "e2e: 0 passed, 1 failed"
        exit 1
    fi

    local passed=0 failed=0 file FILES
    scenario_files "$@"
    for file in "${FILES[@]}"; do
        if (run_scenario "$file"); then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
    done
    echo "e2e: $passed passed, $failed failed"
    ((failed == 0))
}

main "$@"
