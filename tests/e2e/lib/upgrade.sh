# Shared by the upgrade scenarios: media of several versions of Demo, and
# setup.exe started from one of them while the scenario's own run is over.
# shellcheck source=/dev/null
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"

# upgrade_medium DIR VERSION FILE...: a medium of Demo VERSION installing
# each FILE (name=text) into [DP] with a shortcut, the shared library
# shared.dll when SHARED_DLL names a fixture, and the uninstaller.
upgrade_medium() {
    local dir=$1 version=$2 file name
    shift 2
    mkdir -p "$dir/files"
    cp "$BUILD_DIR/TAUninstall.exe" "$dir/"
    [ -e "$dir/setup.exe" ] || cp "$BUILD_DIR/setup.exe" "$dir/"
    {
        printf 'SetAppName("Demo")\nSetDeveloperName("Maker")\nSetAppVersion("%s")\n' "$version"
        printf 'CreateSection("Main", "1", "0", "")\n'
        printf 'AddFile("[SP]\\TAUninstall.exe", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")\n'
        for file in "$@"; do
            name=${file%%=*}
            printf '%s' "${file#*=}" >"$dir/files/$name"
            printf 'AddFile("[SP]\\files\\%s", "[DP]", "Main", "0", "1", "0", "0", "0", "1", "%s")\n' "$name" "${name%.*}"
        done
        if [ -n "${SHARED_DLL:-}" ]; then
            cp "$BUILD_DIR/fixtures/$SHARED_DLL" "$dir/files/shared.dll"
            printf 'AddFile("[SP]\\files\\shared.dll", "[DP]", "Main", "1", "1", "0", "0", "0", "0", "")\n'
        fi
        printf '%s' "${EXTRA_STATEMENTS:-}"
        printf 'ShowDest()\nShowProgramGroup()\nShowCopy()\n'
    } >"$dir/SetupScript.ini"
}

# setup_from DIR EXPECTED_EXIT ARG...: setup.exe of the medium DIR in a
# silent mode (no window may wait), within 120 s; its exit code must match.
setup_from() {
    local dir=$1 expected=$2 code
    shift 2
    (cd "$dir" && timeout 120 "${WINE_LOCALE[@]}" wine setup.exe "$@") >>"$SCENARIO_DIR/runs.out" 2>&1
    code=$?
    [ "$code" -eq $((expected & 255)) ] || fail "$(basename "$dir") $*: exit code $code, expected $expected"
}

# setup_answered DIR ROBOT_FILE: setup.exe of the medium DIR while the robot
# answers from ROBOT_FILE (output beside it, .out), both within 120 s.
setup_answered() {
    local robot program
    run_wine "$BUILD_DIR/robot.exe" "$(windows_path "$2")" >"${2%.*}.out" 2>&1 &
    robot=$!
    (cd "$1" && exec "${WINE_LOCALE[@]}" wine setup.exe) >>"$SCENARIO_DIR/runs.out" 2>&1 &
    program=$!
    wait_until 120 none_running "$robot" "$program" || fail "$(basename "$1"): the run did not end"
    wait "$robot" || fail "$(basename "$1"): $(grep -E '^(fail|error) ' "${2%.*}.out")"
    wait "$program"
}

# entry_dword NAME: a REG_DWORD value of Demo's uninstall entry, in decimal.
entry_dword() {
    run_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Demo' /v "$1" 2>/dev/null |
        tr -d '\r' | sed -n "s/^ *$1 *REG_DWORD *0x\([0-9a-f]*\)$/\1/p" | { read -r hex && echo $((16#$hex)); }
}

# shared_count WINDOWSPATH: the SharedDLLs count of a file, empty when none.
shared_count() {
    run_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs' /v "$1" 2>/dev/null |
        tr -d '\r' | grep -i -F -- "$1" | sed -n 's/.*REG_DWORD *0x\([0-9a-f]*\)$/\1/p' |
        { read -r hex && echo $((16#$hex)); }
}
