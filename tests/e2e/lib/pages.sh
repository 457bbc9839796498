# Shared by the wizard page scenarios.

# The first line of the robot's "children" output for the control whose
# text is $1.
control_line() { grep -m 1 "^control .*text=\"$1\"" "$SCENARIO_DIR/robot.out"; }

# expect_control TEXT PATTERN: the control's line matches the grep pattern.
expect_control() {
    control_line "$1" | grep -q -- "$2" || fail "control \"$1\": $(control_line "$1"), expected $2"
}

# The Unix path of the prefix's programs folder (the start menu's Programs),
# as the prefix was made: its user name is not known beforehand.
programs_folder() {
    find "$WINEPREFIX/drive_c/users" -type d -path '*/Start Menu/Programs' | head -n 1
}

# unix_path_of WINDOWSPATH: a C: path of the prefix as a Unix path.
unix_path_of() {
    local path=${1#[Cc]:}
    printf '%s/drive_c%s' "$WINEPREFIX" "${path//\\//}"
}
