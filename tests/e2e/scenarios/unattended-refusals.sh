# What an unattended run refuses, with nothing installed: a misspelt switch
# (1639; a box naming it when interactive, a log line when silent), a /DIR
# that is a device path or ends a name in a dot or blank (1639), a /LOG=
# file that cannot be written (1622), and a second setup.exe while one runs
# (1618).
source "$E2E_LIB/copy.sh"
PROGRAM_ARGS=(/bogus)
EXPECTED_EXIT=$((1639 & 255))

prepare() {
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\SetupScript.ini", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowWelcome()
ShowCopy()
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title=Setup
text id=0xFFFF
click text=OK
wait-exit
ROBOT
}

# setup_exit ARG...: runs setup.exe from the medium and prints its exit code.
setup_exit() {
    (cd "$MEDIUM" && run_wine setup.exe "$@" >/dev/null 2>&1)
    echo $?
}

expect_nothing_installed() {
    [ ! -e "$(demo_dir)" ] || fail "$1: something was installed"
    [ -z "$(uninstall_value Demo DisplayName)" ] || fail "$1: an uninstall entry was written"
}

verify() {
    local log="$WINEPREFIX/drive_c/refused.txt" code
    grep -q '^text "Unknown command-line argument: /bogus' "$SCENARIO_DIR/robot.out" || fail "the box does not name /bogus"
    expect_nothing_installed "interactive /bogus"

    code=$(setup_exit /VERYSILENT '/LOG=C:\refused.txt' -VerySilnet)
    [ "$code" -eq $((1639 & 255)) ] || fail "a misspelt switch: exit code $code"
    grep -q -F 'Message "Setup": Unknown command-line argument: -VerySilnet' "$log" || fail "no refusal in the log"
    grep -q -F 'exit code 1639 (bad command line)' "$log" || fail "no exit code in the log"

    # Device paths, and names the system would shorten, are not a destination.
    local dir
    for dir in '\\?\C:\Demo' '\\.\C:\Demo' 'C:\Demo.' 'C:\Demo \x'; do
        code=$(setup_exit /VERYSILENT '/LOG=C:\refused.txt' "/DIR=$dir")
        [ "$code" -eq $((1639 & 255)) ] || fail "/DIR=$dir: exit code $code"
        grep -q -F "Unknown command-line argument: /DIR=$dir" "$log" || fail "/DIR=$dir is not named in the log"
        expect_nothing_installed "/DIR=$dir"
        [ ! -e "$WINEPREFIX/drive_c/Demo" ] || fail "/DIR=$dir: installed into C:\\Demo"
    done

    code=$(setup_exit /SILENT '/LOG=C:\no such folder\setup.txt')
    [ "$code" -eq $((1622 & 255)) ] || fail "an unwritable log: exit code $code"
    expect_nothing_installed "/LOG= unwritable"

    # One setup.exe waits on its welcome page; a second one is refused.
    (cd "$MEDIUM" && run_wine setup.exe >/dev/null 2>&1) &
    local first=$!
    run_wine "$BUILD_DIR/robot.exe" -e 'wait-process setup.exe' -e 'wait-window class=#32770' \
        >"$SCENARIO_DIR/first.out" 2>&1 || fail "the first setup.exe shows no page"
    code=$(setup_exit /VERYSILENT '/LOG=C:\second.txt')
    [ "$code" -eq $((1618 & 255)) ] || fail "a second setup: exit code $code"
    grep -q -F 'exit code 1618 (another setup is running)' "$WINEPREFIX/drive_c/second.txt" || fail "no 1618 in the log"
    end_prefix "$WINEPREFIX"
    wait "$first"
    expect_nothing_installed "second setup"
    end_prefix "$WINEPREFIX"
}
