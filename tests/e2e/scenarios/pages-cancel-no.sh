# Cancel asks "Quit setup"; No leaves the page as it was and the script
# goes on after Next.

prepare() {
    write_script 'SetWelcomeString("", "Cancel test")
AddWindow("DIALOG_WELCOME", "agree", "CHECKBOX", "I agree", "0", "203", "214", "475", "232")
ShowWelcome()
ShowMessage("Still running", "After the page", "", "NOW")
'
}

robot_script() {
    robot_start "Cancel test"
    cat <<'ROBOT'
check text="I agree" 1
click id=1018
wait-window class=#32770 title="Quit setup"
expect-text id=0xFFFF "Are you really sure to quit setup? The application will be deleted if you click on Yes"
children
click text=No
wait-gone
wait-window class=#32770 title="Cancel test"
expect-state text="I agree" checked=1
expect-state id=1017 enabled=1
ROBOT
    robot_next_end "After the page"
}

verify() {
    # Yes (6) and No (7), no Cancel (2), and the icon (SS_ICON static, 1088).
    grep -q '^control id=6 class="Button"' "$SCENARIO_DIR/robot.out" || fail "no Yes button"
    grep -q '^control id=7 class="Button"' "$SCENARIO_DIR/robot.out" || fail "no No button"
    grep -q '^control id=2 ' "$SCENARIO_DIR/robot.out" && fail "the question has a Cancel button"
    grep -q '^control id=1088 class="Static" style=0x50000003 .*visible=1' "$SCENARIO_DIR/robot.out" || fail "no icon"
}
