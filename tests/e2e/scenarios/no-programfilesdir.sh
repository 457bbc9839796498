# "ProgramFilesDir" missing from its key: the "Registry error" box with the
# system's text for the error, exit code -6 (250), no statement runs.
EXPECTED_EXIT=250

prepare() {
    run_wine reg delete 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion' /v ProgramFilesDir /f >/dev/null 2>&1
    write_script 'ShowMessage("must not appear", "Later", "", "NOW")
'
}

robot_script() {
    robot_start "Registry error"
    cat <<'ROBOT'
text id=0xFFFF
click text=OK
absent-until-exit class=#32770 title=Later
ROBOT
}

# The box shows the system's own text for "file not found".
verify() {
    grep -q '^text ".*not found' "$SCENARIO_DIR/robot.out" || fail "no system error text in the box"
}
