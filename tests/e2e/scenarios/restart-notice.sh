# An interactive installation that queues a shared library in use for the
# restart tells the user at its end, after the last statement, with Yes and
# No (No the default); No ends as before with exit code 0 and no restart.
source "$E2E_LIB/copy.sh"

prepare() { prepare_shared_in_use; }

robot_script() {
    robot_start Setup
    cat <<'ROBOT'
expect-text id=0xFFFF "To finish the installation of Demo, Windows must be restarted. Restart now?"
children
click text=No
wait-exit
ROBOT
}

verify() {
    grep -q '^control id=7 .*text="&No"' "$SCENARIO_DIR/robot.out" || fail "no No button"
    # BS_DEFPUSHBUTTON is style bit 1.
    grep -E '^control id=7 ' "$SCENARIO_DIR/robot.out" | grep -q -E 'style=0x[0-9a-fA-F]*[13579bBdDfF] ' ||
        fail "No is not the default: $(grep -E '^control id=(6|7) ' "$SCENARIO_DIR/robot.out")"
    [ -e "$WINEPREFIX/drive_c/windows/system32/shared.dll" ] || fail "shared.dll is gone"
}
