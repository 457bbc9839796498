# "Create new group" with an empty name: PROGRAMGROUP is the programs folder
# followed by two backslashes, and the shortcut lands directly in the
# programs folder.
source "$E2E_LIB/pages.sh"

prepare() {
    prepare_program_group_medium
}

robot_script() {
    robot_program_group 'set-text id=1011 ""' \
        'text id=0xFFFF
special-folder 2'
}

verify() {
    local out="$SCENARIO_DIR/robot.out" programs group
    programs=$(sed -n 's/^folder csidl=2 path="\(.*\)"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    group=$(sed -n 's/^text "<\(.*\)>"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    [ -n "$programs" ] && [ "$group" = "$programs\\\\" ] || fail "PROGRAMGROUP is '$group', expected '$programs\\\\'"
    [ -f "$(programs_folder)/Demo Tool.lnk" ] || fail "no shortcut Demo Tool.lnk in the programs folder"
}
