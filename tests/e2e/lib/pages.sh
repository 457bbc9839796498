# Shared by the wizard page scenarios.

# The first line of the robot's "children" output for the control whose
# text is $1.
control_line() { grep -m 1 "^control .*text=\"$1\"" "$SCENARIO_DIR/robot.out"; }

# expect_control TEXT PATTERN: the control's line matches the grep pattern.
expect_control() {
    control_line "$1" | grep -q -- "$2" || fail "control \"$1\": $(control_line "$1"), expected $2"
}

# expect_rows EXPECTED: the robot's first "row" lines (as many as EXPECTED
# has) are exactly EXPECTED.
expect_rows() {
    local count actual
    count=$(printf '%s\n' "$1" | wc -l)
    actual=$(grep -m "$count" '^row ' "$SCENARIO_DIR/robot.out")
    [ "$actual" = "$1" ] || fail "rows: $(printf '%s' "$actual" | tr '\n' '|'), expected $(printf '%s' "$1" | tr '\n' '|')"
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

# The medium of the program group scenarios: one file that asks for the
# shortcut "Demo Tool", the program group page, a message showing
# PROGRAMGROUP as "<...>" (caption pg), the copy page and a last message
# (caption done).
prepare_program_group_medium() {
    mkdir -p "$MEDIUM/files"
    printf 'tool' >"$MEDIUM/files/Tool.txt"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\Tool.txt", "[DP]Tool.txt", "Main", "0", "1", "0", "0", "0", "1", "Demo Tool")
ShowProgramGroup()
ShowMessage("<[PROGRAMGROUP]>", "pg", "", "NOW")
ShowCopy()
ShowMessage("done", "done", "", "NOW")
'
}

# robot_program_group PAGE_STEPS PG_STEPS: the robot's run through that
# medium: PAGE_STEPS (lines) on the program group page, Next, PG_STEPS while
# the pg message is open, then both messages answered and the end awaited.
robot_program_group() {
    printf '%s\n' 'wait-process setup.exe' 'wait-window class=#32770 title="Program group"' "$1" 'click id=1017' \
        'wait-window class=#32770 title=pg' "$2" 'click text=OK' 'wait-window class=#32770 title=done' 'click text=OK' \
        'wait-exit'
}

# robot_browse PAGE [ITEM...]: the shell's folder browser that a button of the
# page titled PAGE opened asks for the installation directory; the robot
# picks the folder reached through the ITEMs of its tree with OK, or with no
# ITEM cancels, and is back on the page.
robot_browse() {
    local page=$1 item words=()
    shift
    robot_window 'Browse for Folder'
    echo 'expect-text id=14146 "Please choose the directory in which the software will be installed."'
    if (($# == 0)); then
        echo 'click id=2'
    else
        for item in "$@"; do
            words+=("$(robot_word "$item")")
        done
        printf 'tree-select id=14145 %s\nclick id=1\n' "${words[*]}"
    fi
    echo 'wait-gone'
    robot_window "$page"
}

# robot_type_destination PATH: on the destination page the robot empties the
# field, types PATH key by key and sees Next enabled for it.
robot_type_destination() {
    printf 'set-text id=1011 ""\ntype id=1011 %s\nexpect-text id=1011 %s\nexpect-state id=1017 enabled=1\n' \
        "$(robot_word "$1")" "$(robot_word "$1")"
}
