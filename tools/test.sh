#!/bin/bash
# The test command. Installs what is missing, builds the presets native,
# release (setupcheck only), fuzz, mingw (i686) and mingw64 (x86_64), then runs
# the native unit tests, the demo script check with both checkers, each fuzz
# target for a few seconds, the import tables and manifests of the shipped
# Windows programs, and under Wine the unit tests and every end-to-end
# scenario. Wine runs the i686 build where the host executes 32-bit code and
# the x86_64 build under 64-bit Wine elsewhere; TEST_ARCH=32 or 64 forces one.
# Counts single tests (gtest cases, scenarios, fuzz targets) and ends with the
# line "N passed, M failed"; exits non-zero when a test or a build failed.
#
# BUILD_ROOT (default "build") is where the builds, logs, Wine prefixes and
# screenshots go; setup.exe lands at $BUILD_ROOT/mingw/setup.exe and
# $BUILD_ROOT/mingw64/setup.exe.
set -uo pipefail

# shellcheck source=tools/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
LOGS="$BUILD_ROOT/logs"
JOBS=$(nproc)
FUZZ_SECONDS=5

PASSED=0
FAILED=0
BUILD_FAILED=0

tally() {
    PASSED=$((PASSED + $1))
    FAILED=$((FAILED + $2))
    echo "$3: $1 passed, $2 failed"
}

# build PRESET [TARGET...]: configure and build into $BUILD_ROOT/PRESET (all
# targets unless some are named).
build() {
    local preset=$1 log="$LOGS/build-$1.log"
    shift
    echo "building $preset"
    if cmake --preset "$preset" -B "$BUILD_ROOT/$preset" >"$log" 2>&1 &&
        cmake --build "$BUILD_ROOT/$preset" -j"$JOBS" ${1:+--target "$@"} >>"$log" 2>&1; then
        return 0
    fi
    echo "BUILD FAILED: $preset (log: $log)"
    grep -E 'error|Error' "$log" | head -n 20
    BUILD_FAILED=1
    FAILED=$((FAILED + 1))
    return 1
}

# tally_gtest REPORT LOG NAME: counts the tests of a GoogleTest run from its
# XML report (helper processes that some tests start print summaries of their
# own into the log). A run that left no report (a crash) counts as one failure.
tally_gtest() {
    local report=$1 log=$2 name=$3 totals tests failures disabled skipped
    totals=$(grep -m 1 '<testsuites ' "$report" 2>/dev/null)
    if [ -z "$totals" ]; then
        echo "$name: no test report, the run broke off (log: $log)"
        tail -n 20 "$log"
        tally 0 1 "$name"
        return
    fi
    tests=$(xml_count tests "$totals")
    failures=$(xml_count failures "$totals")
    disabled=$(xml_count disabled "$totals")
    skipped=$(xml_count skipped "$totals")
    if ((failures > 0)); then
        grep -B 1 '<failure ' "$report" | sed -n 's/.*<testcase name="\([^"]*\)".*classname="\([^"]*\)".*/FAIL \2.\1/p'
        echo "(log: $log)"
    fi
    tally $((tests - failures - disabled - skipped)) "$failures" "$name"
}

# xml_count ATTRIBUTE ELEMENT: the number in ATTRIBUTE="N", 0 when absent.
xml_count() {
    local value
    value=$(sed -n "s/.* $1=\"\([0-9]*\)\".*/\1/p" <<<"$2")
    echo "${value:-0}"
}

run_native_tests() {
    local report="$LOGS/native-tests.xml" log="$LOGS/native-tests.log"
    rm -f "$report"
    "$BUILD_ROOT/native/tests/native/native_tests" --gtest_output="xml:$report" >"$log" 2>&1 </dev/null
    tally_gtest "$report" "$log" "native unit tests"
}

run_wine_tests() {
    local prefix="$BUILD_ROOT/wine-unit-prefix" report="$LOGS/wine-tests.xml" log="$LOGS/wine-tests.log"
    rm -f "$report"
    copy_prefix "$TEMPLATE" "$prefix"
    (cd "$BUILD_ROOT" && WINEPREFIX=$prefix run_wine "$WINE_BUILD/wine_tests.exe" \
        --gtest_output="xml:$(windows_path "$report")") >"$log" 2>&1 </dev/null
    end_prefix "$prefix"
    rm -rf "$prefix"
    tally_gtest "$report" "$log" "Wine unit tests"
}

run_e2e() {
    local log="$LOGS/e2e.log" line
    E2E_TEMPLATE=$TEMPLATE SCREENSHOT_DIR="$BUILD_ROOT/screenshots" \
        "$ROOT/tests/e2e/run.sh" "$WINE_BUILD" "$BUILD_ROOT/e2e" </dev/null 2>&1 | tee "$log" |
        grep -E '^(PASS|FAIL) '
    line=$(sed -n 's/^e2e: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$log")
    if [ -z "$line" ]; then
        echo "e2e runner broke off (log: $log)"
        tally 0 1 "end-to-end scenarios"
        return
    fi
    # shellcheck disable=SC2086
    tally $line "end-to-end scenarios"
}

run_fuzzers() {
    local fuzzer name passed=0 failed=0 artifacts="$BUILD_ROOT/fuzz/artifacts"
    mkdir -p "$artifacts"
    for fuzzer in "$BUILD_ROOT"/fuzz/fuzzers/*; do
        name=$(basename "$fuzzer")
        mkdir -p "$BUILD_ROOT/fuzz/corpus/$name"
        if "$fuzzer" -max_total_time=$FUZZ_SECONDS -artifact_prefix="$artifacts/" \
            "$BUILD_ROOT/fuzz/corpus/$name" >"$LOGS/fuzz-$name.log" 2>&1 </dev/null; then
            passed=$((passed + 1))
        else
            echo "FAIL fuzz $name (log: $LOGS/fuzz-$name.log)"
            failed=$((failed + 1))
        fi
    done
    tally "$passed" "$failed" "fuzz targets"
}

# run_program_check BUILD...: one test: the shipped programs of the Windows
# builds import only the system's known libraries and declare their level.
run_program_check() {
    local log="$LOGS/programs.log" dirs=() preset
    for preset in "$@"; do
        dirs+=("$BUILD_ROOT/$preset")
    done
    if "$ROOT/tools/check_programs.sh" "${dirs[@]}" >"$log" 2>&1; then
        tally 1 0 "import tables and manifests"
    else
        grep -E '^(NOT ALLOWED|WRONG|no program)' "$log"
        tally 0 1 "import tables and manifests"
    fi
}

# run_demo_check PRESET: the demo script must check clean with that preset's
# setupcheck: exit code 0 and no finding at all. One counted test.
run_demo_check() {
    local log="$LOGS/demo-check-$1.jsonl"
    if "$BUILD_ROOT/$1/setupcheck" --json --werror "$ROOT/examples/demo/SetupScript.ini" >"$log" 2>&1 \
        </dev/null && [ ! -s "$log" ]; then
        tally 1 0 "demo script check ($1)"
    else
        cat "$log"
        tally 0 1 "demo script check ($1)"
    fi
}

# One prefix made fresh for this run; the Wine unit tests and every scenario
# start from a copy of it.
make_template() {
    TEMPLATE="$BUILD_ROOT/wine-template"
    echo "making the Wine prefix"
    make_template_prefix "$TEMPLATE" "$LOGS/wine-template.log"
}

cleanup() {
    stop_xvfb
}

main() {
    local start=$SECONDS
    mkdir -p "$LOGS"
    "$ROOT/tools/install-deps.sh" || { echo "0 passed, 1 failed"; exit 1; }
    trap cleanup EXIT

    local platform=chosen built=" "
    choose_wine_platform || platform=
    build native && { run_native_tests; run_demo_check native; }
    # The optimized checker that authors build.
    build release setupcheck && run_demo_check release
    build fuzz && run_fuzzers
    # Both Windows builds, so neither breaks unnoticed; Wine runs the chosen one.
    build mingw && built+="mingw "
    build mingw64 && built+="mingw64 "
    # shellcheck disable=SC2086
    [ "$built" != " " ] && run_program_check $built
    if [ -z "$platform" ]; then
        echo "Wine tests not run: no platform"
        FAILED=$((FAILED + 1))
    elif [[ $built == *" $MINGW_PRESET "* ]]; then
        WINE_BUILD="$BUILD_ROOT/$MINGW_PRESET"
        start_xvfb 1024x768x24 && make_template || { echo "cannot prepare Wine"; FAILED=$((FAILED + 1)); }
        if [ -n "${TEMPLATE:-}" ] && [ -d "$TEMPLATE" ]; then
            run_wine_tests
            stop_xvfb
            run_e2e
        fi
    fi

    echo "took $((SECONDS - start)) s; screenshots in $BUILD_ROOT/screenshots"
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0 && BUILD_FAILED == 0))
}

main "$@"
